#include "activities/ActivityLinks.h"

#include "shell/Contexte.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"

DictationLink* dictationLink(Contexte& contexte) {
    return dynamic_cast<DictationLink*>(contexte.forms().find(QStringLiteral("Tierce")));
}

QuizLink* quizLink(Contexte& contexte) {
    return dynamic_cast<QuizLink*>(contexte.forms().find(QStringLiteral("Quizz")));
}
