#include "activities/QuizSeries.h"
#include "activities/Quizz.h"
#include "data/DataControl.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "shell/Principale.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"

#include <QCheckBox>
#include <QTimer>
#include <QtTest>

namespace {
constexpr int BoutonQuizz = 7;
constexpr int Action = 13;
} // namespace

// A pupil who opens the quiz with the main window's "?" button and starts a series with
// "Action", over a fresh copy of the generated database (the teacher's table gets ten
// questions of its own so that either table can be played).
class Quiz : public Partie {
public:
    explicit Quiz(const QString& pupil = Lea, const QString& option = Options::Vrai)
        : Partie(pupil, {QStringLiteral("Bitmap")}, {{Options::Quizz, option}}) {
        for (int i = 1; i <= 10; ++i)
            s.addRow(Schema::Table::Quizz2,
                     {{Schema::Field::Question, QStringLiteral("Question du maître %1 ?").arg(i)},
                      {Schema::Field::Reponse2, QStringLiteral("juste %1").arg(i)},
                      {Schema::Field::Valide2, 1}});
        press(main->bouton(BoutonQuizz));
        quizz = s.form<Quizz>(QStringLiteral("Quizz"));
    }

    void start() { QTest::mouseClick(main->commande(Action), Qt::LeftButton); }

    FXLabel* label(const QString& name) { return quizz->findChild<FXLabel*>(name); }
    FXLabel* reponse(int i) { return label(QStringLiteral("Label1(%1)").arg(i)); }
    bool valide(int i) {
        return quizz->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(i))->isChecked();
    }
    QTimer* timer() { return quizz->findChild<QTimer*>(QStringLiteral("Timer1")); }
    QString question() { return label(QStringLiteral("question"))->caption(); }

    // The first right (or wrong) answer of the question on screen.
    int pick(bool right) {
        for (int i = 0; i < 3; ++i)
            if (valide(i) == right)
                return i;
        return -1;
    }
    // The pause after an answer is over: Timer1 fires.
    void endPause() { QMetaObject::invokeMethod(timer(), "timeout"); }

    Quizz* quizz = nullptr;
};

class TestQuizz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!Partie::available())
            QSKIP("no generated program folder");
    }

    // option: the stored setting. The main window counts Quizz2 only for "Faux"; the quiz window
    // plays Quizz1 only for "Vrai": with another value the main window counts the program's
    // table (counted) and the window plays the teacher's (table).
    // wrong: the answers (1..10) given wrong; the right ones are stored in column "Quizz".
    void aSeriesOfTenAnswersStoresRightAnswersInQuizz() {
        const QString quizz1 = Schema::Table::Quizz1, quizz2 = Schema::Table::Quizz2;
        const std::tuple<QString, QString, QString, QList<int>> rows[] = {
            {"Vrai", quizz1, "44", {2, 5, 10}},
            {"Faux", quizz2, "10", {1, 4, 9}},
            {"Oui", quizz2, "10", {}}};
        for (const auto& [option, table, counted, wrong] : rows) {
            Quiz q(Partie::Lea, option);
            QVERIFY(q.quizz);
            QCOMPARE(q.quizz->data().recordSource(), table);
            QCOMPARE(q.g().NbQuestions, counted);
            QHash<QString, QuizQuestion> records; // the table's questions by their text
            for (const QuizQuestion& record : QuizSeries::readAll(q.quizz->data().recordSet()))
                records.insert(record.question, record);
            q.start();
            QVERIFY(q.main->commande(Action)->isHidden());
            QSet<QString> asked;
            for (int n = 1; n <= 10; ++n) {
                // The answers and their marks are those of the question's record.
                QVERIFY2(records.contains(q.question()), qPrintable(q.question()));
                const QuizQuestion& record = records.value(q.question());
                for (int i = 0; i < 3; ++i) {
                    QCOMPARE(q.reponse(i)->caption(), record.reponses.at(size_t(i)));
                    QCOMPARE(q.valide(i), record.valides.at(size_t(i)));
                    QVERIFY(q.reponse(i)->isVisible());
                }
                asked << q.question();
                const bool right = !wrong.contains(n);
                const int clicked = q.pick(right);
                QVERIFY(clicked >= 0);
                QVERIFY(!q.timer()->isActive());
                QTest::mouseClick(q.reponse(clicked), Qt::LeftButton);
                // A pause of two seconds follows, that only Timer1 ends; a second answer in it is
                // not counted.
                QVERIFY(q.timer()->isActive());
                QCOMPARE(q.timer()->interval(), 2000);
                QVERIFY(!q.quizz->isEnabled());
                QCoreApplication::processEvents();
                QCOMPARE(q.question(), record.question);
                if (const int other = q.pick(!right); other >= 0)
                    QTest::mouseClick(q.reponse(other), Qt::LeftButton);
                const QString verdict = q.label(QStringLiteral("Label2"))->caption();
                QCOMPARE(verdict, right ? QStringLiteral("Bonne réponse")
                                        : record.reponses.at(record.valides[2]   ? 2
                                                             : record.valides[1] ? 1
                                                                                 : 0));
                const int errors =
                    int(std::count_if(wrong.cbegin(), wrong.cend(), [n](int w) { return w <= n; }));
                QCOMPARE(q.label(QStringLiteral("Label3"))->caption(),
                         QStringLiteral("%1 / %2").arg(n - errors).arg(n));
                QCOMPARE(q.g().Reussites, n);
                QCOMPARE(q.score(QStringLiteral("Quizz")).toInt(), 0); // not before the end
                q.endPause();
                QVERIFY(q.quizz->isEnabled());
                QVERIFY(q.label(QStringLiteral("Label2"))->caption().isEmpty());
            }
            QCOMPARE(asked.size(), 10);
            QCOMPARE(q.score(QStringLiteral("Quizz")).toInt(), 10 - wrong.size());
            // The series is over: the questions are put away and "Action" starts another one.
            QVERIFY(q.label(QStringLiteral("question"))->isHidden());
            QVERIFY(q.reponse(0)->isHidden());
            QVERIFY(q.main->commande(Action)->isVisible());
            QCOMPARE(q.g().Reussites + q.g().Erreurs, 0);
            QVERIFY(q.s.messageBox->shown.isEmpty());
            q.start();
            QVERIFY(q.reponse(0)->isVisible());
            QVERIFY(q.label(QStringLiteral("Label3"))->caption().isEmpty());
        }
    }
};

QTEST_MAIN(TestQuizz)
#include "tst_quizz.moc"
