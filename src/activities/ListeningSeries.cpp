#include "activities/ListeningSeries.h"

#include "platform/MessageBox.h"

#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/Schema.h"
#include "shell/General.h"

#include <algorithm>

namespace {
const QString Invite = QStringLiteral("Invité");

bool isWord(int index) {
    return index >= 0 && index <= 9;
}
} // namespace

QString ListeningSeries::themeWordKey(int hotspot) {
    return isWord(hotspot) ? QStringLiteral("k%1").arg(hotspot) : QString();
}

QString ListeningSeries::listWordKey(int hotspot) {
    if (isWord(hotspot) || (hotspot >= 11 && hotspot <= 17))
        return QStringLiteral("k%1").arg(hotspot);
    return {};
}

QString ListeningSeries::questionWordKey(int famille, int button) {
    if (!isWord(button))
        return {};
    if (famille == 1)
        return QStringLiteral("k%1").arg(button + 1, 2, 10, QLatin1Char('0'));
    return themeWordKey(button);
}

QString ListeningSeries::wordSound(const QString& colonne, const QString& cleMot) {
    return QStringLiteral("\\MciLangue\\") + colonne + cleMot + QStringLiteral(".wav");
}

QString ListeningSeries::questionHotspotFile(int numExercice) {
    if (numExercice == 17)
        return QStringLiteral("\\Hotspot\\Opposh1.hsp");
    if (numExercice == 18)
        return QStringLiteral("\\Hotspot\\Opposh2.hsp");
    return {};
}

bool ListeningSeries::sameObject(int numExercice, int clicked, int asked) {
    if (clicked == asked)
        return true;
    const auto isSchoolPair = [](int index) { return index == 2 || index == 6; };
    return numExercice == 10 && isSchoolPair(clicked) && isSchoolPair(asked);
}

bool ListeningSeries::answeredWithVrai(int numExercice, int word) {
    if (word == 8 && (numExercice == 13 || numExercice == 14))
        return true;
    return word >= 0 && word <= 4;
}

std::optional<int> ListeningSeries::musicReaction(int hotspot) {
    switch (hotspot) {
    case 0:
    case 2:
    case 3:
    case 4:
    case 8:
        return 2;
    case 1:
    case 5:
    case 6:
    case 7:
    case 9:
        return 1;
    default:
        return std::nullopt;
    }
}

ListeningSeries::AnswerButtons ListeningSeries::answerButtonsFor(int numExercice) {
    if (numExercice >= 1 && numExercice <= 12)
        return AnswerButtons::Hidden;
    if (numExercice >= 13 && numExercice <= 16)
        return AnswerButtons::Shown;
    if (numExercice == 17 || numExercice == 18)
        return AnswerButtons::Hidden;
    if (numExercice >= 19 && numExercice <= 28)
        return AnswerButtons::ShownWithListen;
    return AnswerButtons::Unchanged;
}

bool ListeningSeries::wordAsked() const {
    return isWord(g_.DernierMot);
}

ListeningSeries::Verdict ListeningSeries::judgeClick(int numExercice, int clicked) {
    if (!wordAsked())
        return Verdict::NotCounted;
    if (sameObject(numExercice, clicked, g_.DernierMot))
        return Verdict::Right;
    ++g_.Erreurs;
    return Verdict::Wrong;
}

ListeningSeries::Verdict ListeningSeries::judgeAnswer(int numExercice, bool vrai) {
    if (!wordAsked())
        return Verdict::NotCounted;
    if (answeredWithVrai(numExercice, g_.DernierMot) == vrai)
        return Verdict::Right;
    return Verdict::Wrong;
}

void ListeningSeries::countRight() {
    ++g_.Reussites;
}

bool ListeningSeries::countButtonError() {
    ++g_.Erreurs;
    if (g_.Reussites != SeriesLength - 1) {
        ++g_.Reussites;
        return false;
    }
    return true;
}

bool ListeningSeries::seriesComplete() const {
    return g_.Reussites >= SeriesLength;
}

int ListeningSeries::score() const {
    return std::max(0, g_.Reussites - std::min(g_.Erreurs, MaxErreurs));
}

void ListeningSeries::resetCounters() {
    g_.Reussites = 0;
    g_.Erreurs = 0;
}

ListeningSeries::ScoreOutcome ListeningSeries::storeScore(DataControl& data,
                                                          const QString& nomChoisi,
                                                          const QString& nomEleve,
                                                          const QString& colonne, int score) {
    if (nomChoisi == Invite)
        return {ScoreWrite::Guest, {}};
    if (data.recordSet().recordCount() == 0)
        return {ScoreWrite::NoRows, {}};
    const QString previous = data.recordSource();
    const auto restore = [&data, &previous] {
        data.setRecordSource(previous);
        data.refresh();
    };
    data.setRecordSource(Schema::Table::Gestion);
    RecordSet& rs = data.recordSet();
    if (!data.refresh()) {
        const QString why = data.lastError().message;
        restore();
        return {ScoreWrite::Failed, why};
    }
    rs.moveFirst();
    if (!rs.findFirst(Criterion::equals(Schema::Field::Nom, nomEleve))) {
        const QString why = rs.lastError().message;
        restore();
        return {ScoreWrite::Failed, why};
    }
    if (rs.noMatch()) {
        restore();
        return {ScoreWrite::NoPupil, {}};
    }
    const bool written = rs.edit() && rs.setField(colonne, score) && rs.update();
    const QString why = written ? QString() : rs.lastError().message;
    if (!written)
        rs.cancelUpdate();
    restore();
    return {written ? ScoreWrite::Written : ScoreWrite::Failed, why};
}

void ListeningSeries::storeScoreOrReport(DataControl& data, MessageBox& box, const Général& general,
                                         int score) {
    const ScoreOutcome outcome =
        storeScore(data, general.NomChoisi, general.NomEleve, general.Colonne, score);
    if (outcome.result == ScoreWrite::Failed)
        box.show(failureMessage(general.NomEleve, general.Colonne, outcome.error),
                 MsgBox::OkOnly | MsgBox::Critical, QStringLiteral("Brindel"));
}

QString ListeningSeries::failureMessage(const QString& nomEleve, const QString& colonne,
                                        const QString& error) {
    return QStringLiteral("Le score de %1 pour l'exercice « %2 » n'a pas pu être enregistré.\n"
                          "Prévenez votre enseignant.\n\n%3")
        .arg(nomEleve, colonne, error);
}
