#include "activities/QuizSeries.h"

#include "data/Criterion.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "platform/Clock.h"
#include "shell/General.h"
#include "shell/Navigation.h"

#include <algorithm>
#include <utility>

namespace {
const std::array<QString, QuizQuestion::Answers> ReponseFields{
    Schema::Field::Reponse1, Schema::Field::Reponse2, Schema::Field::Reponse3};
const std::array<QString, QuizQuestion::Answers> ValideFields{
    Schema::Field::Valide1, Schema::Field::Valide2, Schema::Field::Valide3};
} // namespace

bool QuizQuestion::hasRightAnswer() const {
    return std::find(valides.begin(), valides.end(), true) != valides.end();
}

QuizQuestion QuizQuestion::fromRecord(const RecordSet& rs) {
    QuizQuestion q;
    q.rowId = rs.currentRowId();
    q.question = rs.field(Schema::Field::Question).toString();
    for (size_t i = 0; i < Answers; ++i) {
        q.reponses.at(i) = rs.field(ReponseFields.at(i)).toString();
        q.valides.at(i) = rs.field(ValideFields.at(i)).toBool();
    }
    return q;
}

QList<QuizQuestion> QuizSeries::readAll(RecordSet& rs) {
    QList<QuizQuestion> all;
    for (bool more = rs.moveFirst(); more && !rs.eof(); more = rs.moveNext())
        all << QuizQuestion::fromRecord(rs);
    rs.moveFirst();
    return all;
}

void QuizSeries::setQuestions(const QList<QuizQuestion>& questions) {
    recordCount_ = int(questions.size());
    order_.clear();
    std::copy_if(questions.cbegin(), questions.cend(), std::back_inserter(order_),
                 [](const QuizQuestion& q) { return q.hasRightAnswer(); });
    shuffle();
    index_ = 1;
}

QString QuizSeries::refusalMessage() const {
    if (canPlay())
        return {};
    if (recordCount_ < SeriesLength)
        return Navigation::quizRefusalMessage();
    return QStringLiteral("Le Quizz ne peut pas fonctionner : seules %1 questions sur %2\n"
                          "ont une bonne réponse cochée. Il en faut au moins 10.\n"
                          "Pour construire votre questionnaire,\n"
                          "Retournez dans la partie \"Gestion\" de Brindel.")
        .arg(playableCount())
        .arg(recordCount_);
}

void QuizSeries::shuffle() {
    const int count = playableCount();
    for (int i = 0; i < count; ++i) {
        const int j = std::min(count - 1, int(count * random_.rnd()));
        order_.swapItemsAt(i, j);
    }
}

const QuizQuestion& QuizSeries::current() const {
    static const QuizQuestion none;
    const int position = index_ - 1;
    return position >= 0 && position < playableCount() ? order_.at(position) : none;
}

QStringList QuizSeries::playOrder() const {
    QStringList texts;
    for (const QuizQuestion& q : order_)
        texts << q.question;
    return texts;
}

void QuizSeries::startSeries() {
    g_.Reussites = 0;
    g_.Erreurs = 0;
    index_ = 1;
}

QuizSeries::Verdict QuizSeries::answer(int reponse) {
    const QuizQuestion& q = current();
    Verdict verdict;
    verdict.right = reponse >= 0 && reponse < QuizQuestion::Answers &&
                    q.valides.at(static_cast<size_t>(reponse));
    ++g_.Reussites;
    if (verdict.right)
        return verdict;
    ++g_.Erreurs;
    for (size_t k = 0; k < QuizQuestion::Answers; ++k)
        if (q.valides.at(k))
            verdict.solution = q.reponses.at(k);
    return verdict;
}

QString QuizSeries::scoreText() const {
    return QStringLiteral("%1 / %2").arg(g_.Reussites - g_.Erreurs).arg(g_.Reussites);
}

bool QuizSeries::next() {
    if (seriesComplete() || index_ >= std::min(SeriesLength, playableCount()))
        return false;
    ++index_;
    return true;
}

bool QuizSeries::seriesComplete() const {
    return g_.Reussites >= SeriesLength;
}

void QuizSeries::endSeries() {
    shuffle();
    index_ = 1;
}

bool QuizSeries::locate(RecordSet& rs, const QuizQuestion& question) {
    const Criterion byText = Criterion::equals(Schema::Field::Question, question.question);
    rs.moveFirst();
    for (bool ok = rs.findFirst(byText); ok && !rs.noMatch(); ok = rs.findNext(byText))
        if (question.rowId < 0 || rs.currentRowId() == question.rowId)
            return true;
    return false;
}
