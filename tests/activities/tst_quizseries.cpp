#include "RhymeQuizScenario.h"
#include "activities/QuizSeries.h"
#include "data/LearningDbFixture.h"
#include "shell/General.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QuizQuestion question(const QString& text, const QString& valides) {
    QuizQuestion q;
    q.question = text;
    q.reponses = {text + QStringLiteral(" a"), text + QStringLiteral(" b"),
                  text + QStringLiteral(" c")};
    for (int i = 0; i < QuizQuestion::Answers; ++i)
        q.valides.at(size_t(i)) = valides.contains(QChar(u'1' + i));
    return q;
}

QList<QuizQuestion> questions(int count, const QString& valides = QStringLiteral("2")) {
    QList<QuizQuestion> all;
    for (int i = 1; i <= count; ++i)
        all << question(QStringLiteral("Q%1").arg(i), valides);
    return all;
}
} // namespace

class TestQuizSeries : public QObject {
    Q_OBJECT

    Général g;
    ScriptedRandom random;

private slots:
    void init() {
        g.reset();
        random.values = {0.0};
        random.next = 0;
    }

    // valides: the right answers of every question ("13" = answers 1 and 3); a wrong answer
    // shows the solution, the higher right one (-1: none shown), and there is no answer outside
    // 0..2.
    void answerIsJudgedAgainstTheTickedAnswers() {
        const std::tuple<const char*, int, int> rows[] = {
            {"2", 1, -1}, {"2", 0, 1}, {"13", 2, -1}, {"13", 1, 2}, {"123", 1, -1}, {"1", 3, 0}};
        for (const auto& [valides, clicked, solution] : rows) {
            QuizSeries serie(g, random);
            serie.setQuestions(questions(10, valides));
            serie.startSeries();
            const QuizQuestion& asked = serie.current();
            const QuizSeries::Verdict verdict = serie.answer(clicked);
            const bool right = solution < 0;
            QVERIFY2(verdict.right == right &&
                         verdict.solution == (right ? QString() : asked.reponses.at(solution)),
                     qPrintable(QStringLiteral("%1 clicked %2").arg(valides).arg(clicked)));
        }
    }

    // Each position i swaps with position floor(count * r); the list keeps every question once.
    void shuffleSwapsEachPositionWithARandomOne() {
        random.values = {0.0, 0.5, 0.99, 0.25};
        QuizSeries serie(g, random);
        serie.setQuestions(questions(4));
        // 1234 -> (0<->0) 1234 -> (1<->2) 1324 -> (2<->3) 1342 -> (3<->1) 1243
        QCOMPARE(serie.playOrder(), (QStringList{"Q1", "Q2", "Q4", "Q3"}));
        // The series over, the order left is shuffled again by the numbers that follow.
        serie.endSeries();
        QCOMPARE(serie.playOrder(), (QStringList{"Q1", "Q2", "Q3", "Q4"}));
    }

    // withRight, withoutRight: questions with and without a right answer; message: a part of the
    // refusal, none when the series can be played.
    void tooFewAnswerableQuestionsRefuseTheSeries() {
        const std::tuple<int, int, QString> rows[] = {{10, 0, ""},
                                                      {10, 2, ""},
                                                      {9, 0, "un minimum de 10 enregistrements"},
                                                      {9, 3, "seules 9 questions sur 12"}};
        for (const auto& [withRight, withoutRight, message] : rows) {
            QuizSeries serie(g, random);
            QList<QuizQuestion> all = questions(withRight);
            for (int i = 0; i < withoutRight; ++i)
                all << question(QStringLiteral("Sans réponse %1").arg(i), QString());
            serie.setQuestions(all);
            QCOMPARE(serie.recordCount(), withRight + withoutRight);
            QCOMPARE(serie.canPlay(), message.isEmpty());
            QVERIFY(!serie.playOrder().join(u'|').contains(QStringLiteral("Sans réponse")));
            const QString refusal = serie.refusalMessage();
            QVERIFY2(message.isEmpty() ? refusal.isEmpty() : refusal.contains(message),
                     qPrintable(refusal));
        }
    }

    // Texts that a criterion pasted into SQL would break, duplicates and case variants: each
    // question is found on its own record.
    void questionIsFoundOnItsOwnRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("DbBrin.mdb"));
        QVERIFY(LearningDbFixture::create(path));
        const auto data = LearningDbFixture::open(path, Schema::Table::Quizz2);
        QVERIFY(data);
        const QStringList texts{
            QStringLiteral("Il dit \"hello\" ?"), QStringLiteral("50 % des chats ?"),
            QStringLiteral("Le mot a_b ?"),       QStringLiteral("L'école 🏫 ?"),
            QStringLiteral("Deux fois ?"),        QStringLiteral("Deux fois ?"),
            QStringLiteral("DEUX FOIS ?"),        QStringLiteral("*")};
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY(LearningDbFixture::addRow(
                data->recordSet(), {{Schema::Field::Question, texts.at(i)},
                                    {Schema::Field::Reponse2, QStringLiteral("s%1").arg(i)},
                                    {Schema::Field::Reponse3, QStringLiteral("t%1").arg(i)},
                                    {Schema::Field::Valide1, i % 2 ? -1 : 1},
                                    {Schema::Field::Valide3, i % 3 ? 0 : 1}}));
        QVERIFY(data->refresh());
        const QList<QuizQuestion> all = QuizSeries::readAll(data->recordSet());
        QCOMPARE(all.size(), texts.size());
        for (int i = int(all.size()) - 1; i >= 0; --i) {
            const QuizQuestion& q = all.at(i);
            QCOMPARE(q.question, texts.at(i));
            QVERIFY(q.valides[0] && !q.valides[1] && q.valides[2] == (i % 3 == 0));
            QCOMPARE(q.reponses[1] + q.reponses[2], QStringLiteral("s%1t%1").arg(i));
            QVERIFY(QuizSeries::locate(data->recordSet(), q));
            QCOMPARE(data->recordSet().currentRowId(), q.rowId);
        }
        QuizQuestion absent = all.first();
        absent.question = QStringLiteral("Il dit %");
        QVERIFY(!QuizSeries::locate(data->recordSet(), absent));
    }
};

QTEST_GUILESS_MAIN(TestQuizSeries)
#include "tst_quizseries.moc"
