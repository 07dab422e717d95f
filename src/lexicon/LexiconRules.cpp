#include "lexicon/LexiconRules.h"

#include "data/Schema.h"

namespace LexiconRules {

namespace {
const QString LastLine = QStringLiteral(" dans la partie \"gestion.\"");
}

QStringList tabKeys() {
    QStringList keys{AllTab};
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        keys << QString(QLatin1Char(letter));
    return keys;
}

std::optional<Criterion> filterFor(const QString& tabKey, bool typing, const QString& search) {
    if (tabKey == AllTab && !typing)
        return std::nullopt;
    return Criterion::startsWith(Schema::Field::Origine, search);
}

bool isProtected(const QString& protectionOption) {
    return protectionOption == QStringLiteral("Vrai");
}

Deletion checkDeletion(const QString& word, const QString& typed, const QString& stored) {
    if (word.isEmpty())
        return Deletion::NothingToDelete;
    if (typed.trimmed().isEmpty())
        return Deletion::PasswordMissing;
    if (typed != stored)
        return Deletion::WrongPassword;
    return Deletion::Ask;
}

QString protectedMessage() {
    return QStringList{QStringLiteral("Le lexique est protégé en écriture."),
                       QStringLiteral("Vous pouvez oter la protection,"),
                       QStringLiteral("en cochant la case correspondante"), LastLine}
        .join(QLatin1Char('\n'));
}

QString modificationMessage(bool protectedLexicon) {
    if (protectedLexicon)
        return protectedMessage();
    return QStringList{QStringLiteral("Chaque enregistrement du lexique peut être modifié."),
                       QStringLiteral("Mais, vous pouvez aussi le protéger en écriture,"),
                       QStringLiteral("en cochant la case correspondante"), LastLine}
        .join(QLatin1Char('\n'));
}

QString deletionQuestion(const QString& word) {
    return QStringLiteral("Suppression de \"") + word + QStringLiteral("\" ?");
}

QString errorMessage(int code, const QString& description) {
    return QStringLiteral("Erreur: ") + QString::number(code) + QLatin1Char(' ') + description;
}

} // namespace LexiconRules
