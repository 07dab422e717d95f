#include "RhymeQuizScenario.h"
#include "activities/QuizSeries.h"
#include "data/LearningDbFixture.h"
#include "shell/General.h"

#include <QSet>
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
    // shows the solution, the higher right one, and there is no answer outside 0..2.
    void answerIsJudgedAgainstTheTickedAnswers() {
        const std::tuple<const char*, int, const char*> rows[] = {{"2", 1, ""},   {"2", 0, "Q1 b"},
                                                                  {"13", 2, ""},  {"13", 1, "Q1 c"},
                                                                  {"123", 1, ""}, {"1", 3, "Q1 a"}};
        for (const auto& [valides, clicked, solution] : rows) {
            g.reset();
            random.next = 0;
            random.values = {0.05, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95};
            QuizSeries serie(g, random); // each position swaps with itself: Q1 comes first
            serie.setQuestions(questions(10, valides));
            serie.startSeries();
            QCOMPARE(serie.current().question, QStringLiteral("Q1"));
            const QuizSeries::Verdict verdict = serie.answer(clicked);
            const bool right = !*solution;
            QVERIFY2(verdict.right == right && verdict.solution == QString(solution),
                     qPrintable(QStringLiteral("%1 clicked %2").arg(valides).arg(clicked)));
            QCOMPARE(serie.scoreText(), right ? QStringLiteral("1 / 1") : QStringLiteral("0 / 1"));
        }
    }

    // Three wrong of ten score seven; the window test plays a series with none wrong.
    void seriesAsksTenDifferentQuestionsAndCountsEveryAnswer() {
        const QList<int> wrongAt{0, 5, 9};
        random.values = {0.73, 0.12, 0.5, 0.99, 0.31};
        QuizSeries serie(g, random);
        serie.setQuestions(questions(14));
        serie.startSeries();
        QSet<QString> asked;
        for (int i = 0; i < QuizSeries::SeriesLength; ++i) {
            QCOMPARE(serie.index(), i + 1);
            asked << serie.current().question;
            serie.answer(wrongAt.contains(i) ? 0 : 1);
            QCOMPARE(serie.seriesComplete(), i == 9);
            QCOMPARE(serie.next(), i < 9);
        }
        QCOMPARE(asked.size(), 10);
        QCOMPARE(serie.scoreText(), QStringLiteral("7 / 10"));
        QCOMPARE(g.Reussites, 10);
        QCOMPARE(g.Erreurs, int(wrongAt.size()));
        serie.endSeries();
        QCOMPARE(serie.index(), 1);
        serie.startSeries();
        QCOMPARE(g.Reussites, 0);
        QCOMPARE(g.Erreurs, 0);
    }

    // Each position i swaps with position floor(count * r); the list keeps every question once.
    void shuffleSwapsEachPositionWithARandomOne() {
        random.values = {0.0, 0.5, 0.99, 0.25};
        QuizSeries serie(g, random);
        serie.setQuestions(questions(4));
        // 1234 -> (0<->0) 1234 -> (1<->2) 1324 -> (2<->3) 1342 -> (3<->1) 1243
        QCOMPARE(serie.playOrder(), (QStringList{"Q1", "Q2", "Q4", "Q3"}));
        serie.endSeries();
        QStringList sorted = serie.playOrder();
        sorted.sort();
        QCOMPARE(sorted, (QStringList{"Q1", "Q2", "Q3", "Q4"}));
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
            QCOMPARE(serie.playableCount(), withRight);
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
        DataControl data;
        data.setDatabaseName(path);
        data.setRecordSource(Schema::Table::Quizz2);
        QVERIFY(data.refresh());
        const QStringList texts{
            QStringLiteral("Il dit \"hello\" ?"), QStringLiteral("50 % des chats ?"),
            QStringLiteral("Le mot a_b ?"),       QStringLiteral("L'école 🏫 ?"),
            QStringLiteral("Deux fois ?"),        QStringLiteral("Deux fois ?"),
            QStringLiteral("DEUX FOIS ?"),        QStringLiteral("*")};
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY(LearningDbFixture::addRow(
                data.recordSet(), {{Schema::Field::Question, texts.at(i)},
                                   {Schema::Field::Reponse1, QStringLiteral("r%1").arg(i)},
                                   {Schema::Field::Reponse2, QStringLiteral("s%1").arg(i)},
                                   {Schema::Field::Reponse3, QStringLiteral("t%1").arg(i)},
                                   {Schema::Field::Valide1, i % 2 ? -1 : 1},
                                   {Schema::Field::Valide2, 0},
                                   {Schema::Field::Valide3, i % 3 ? 0 : 1}}));
        QVERIFY(data.refresh());
        const QList<QuizQuestion> all = QuizSeries::readAll(data.recordSet());
        QCOMPARE(all.size(), texts.size());
        for (int i = int(all.size()) - 1; i >= 0; --i) {
            const QuizQuestion& q = all.at(i);
            QCOMPARE(q.question, texts.at(i));
            QVERIFY(q.valides[0] && !q.valides[1] && q.valides[2] == (i % 3 == 0));
            QCOMPARE(q.reponses[1] + q.reponses[2], QStringLiteral("s%1t%1").arg(i));
            QVERIFY(QuizSeries::locate(data.recordSet(), q));
            QCOMPARE(data.recordSet().currentRowId(), q.rowId);
            QCOMPARE(data.recordSet().field(Schema::Field::Reponse1).toString(),
                     QStringLiteral("r%1").arg(i));
        }
        QuizQuestion absent = all.first();
        absent.question = QStringLiteral("Il dit %");
        QVERIFY(!QuizSeries::locate(data.recordSet(), absent));
    }
};

QTEST_GUILESS_MAIN(TestQuizSeries)
#include "tst_quizseries.moc"
