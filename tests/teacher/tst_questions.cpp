#include "data/Options.h"
#include "data/Schema.h"
#include "pupils/Inscription.h"
#include "shell/FormRegistry.h"
#include "shell/Navigation.h"
#include "shell/Principale.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"
#include "teacher/Questions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Schema::Field;

namespace {
QVariantMap question(const QString& text) {
    return {{Question, text}, {Reponse1, "a"}, {Reponse2, "b"}, {Reponse3, "c"},
            {Valide1, 1},     {Valide2, 0},    {Valide3, 0}};
}
} // namespace

class TestQuestions : public QObject {
    Q_OBJECT

    // Opens the editor from the console, with the quiz on the program's (Vrai) or the
    // teacher's own (Faux) questions.
    Questions* openEditor(Scenario& s, const QString& quizz) {
        s->settings().write(Options::Configuration, Options::MotDePasse, QStringLiteral("pivoine"));
        s->settings().write(Options::Configuration, Options::Quizz, quizz);
        if (!s.principale()) {
            s.start();
            auto* signIn = s.form<Inscription>(QStringLiteral("Inscription"));
            signIn->managementPassword()->setText(QStringLiteral("pivoine"));
            press(signIn->findChild<FXShape*>(QStringLiteral("FXShape1(3)")));
        } else {
            s->forms().show(QStringLiteral("Gestion"), FormRegistry::ShowMode::Maximised);
        }
        Form* console = s->forms().find(QStringLiteral("Gestion"));
        if (!console)
            return nullptr;
        press(console->findChild<QPushButton*>(QStringLiteral("FXShape1(4)")));
        return s.form<Questions>(QStringLiteral("Questions"));
    }
    QPushButton* command(Questions* q, int i) {
        return q->findChild<QPushButton*>(QStringLiteral("Command%1").arg(i));
    }
    QLineEdit* text(Questions* q, int i) {
        return q->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
    }
    QString usable(Questions* q) {
        QString on;
        for (int i = 1; i <= 5; ++i)
            if (command(q, i)->isEnabled())
                on += QString::number(i);
        return on;
    }

private slots:
    // A question added to the teacher's own table is asked by the quiz. On the program's table
    // then: a cancelled addition, a modification, closing without saving, and deleting the
    // last record, after which the editor opens again on the empty table.
    void addingCancellingModifyingAndDeleting() {
        Scenario s;
        for (int i = 1; i <= 9; ++i)
            QVERIFY(s.addRow(Schema::Table::Quizz2, question(QStringLiteral("Q%1").arg(i))));
        QVERIFY(s.addRow(Schema::Table::Quizz1, question(QStringLiteral("Old"))));
        QVERIFY(s.addRow(Schema::Table::Quizz1, question(QStringLiteral("Second"))));
        s.registerProbe(QStringLiteral("Quizz"));
        Questions* q = openEditor(s, Options::Faux);
        QVERIFY(q);
        press(command(q, 3));
        QCOMPARE(command(q, 3)->text(), QStringLiteral("Enregistrer"));
        QCOMPARE(usable(q), QStringLiteral("23"));
        const QStringList typed{"What colour is the \"sky\"?", "blue", "green", "red"};
        for (int i = 1; i <= 4; ++i)
            text(q, i)->setText(typed[i - 1]);
        press(q->findChild<QCheckBox*>(QStringLiteral("Check1")));
        press(command(q, 3));
        QCOMPARE(s.rowCount(Schema::Table::Quizz2), 10);
        QCOMPARE(command(q, 3)->text(), QStringLiteral("Ajouter"));
        QCOMPARE(usable(q), QStringLiteral("1345"));
        QCOMPARE(q->data().recordSet().field(Question).toString(), typed[0]);
        QCOMPARE(q->data().recordSet().field(Valide1).toInt(), 1);
        QCOMPARE(q->data().recordSet().field(Valide2).toInt(), 0);

        press(command(q, 4));
        QVERIFY(s.isShown(QStringLiteral("Gestion")));
        emit s.principale()->bouton(Navigation::QuizFamily)->clicked(Navigation::QuizFamily);
        QVERIFY(s.isShown(QStringLiteral("Quizz")));
        QCOMPARE(s.principale()->data().recordSource(), Schema::Table::Quizz2);

        q = openEditor(s, Options::Vrai);
        QVERIFY(q);
        // A cancelled addition keeps the table and shows the first question again.
        press(command(q, 3));
        text(q, 1)->setText(QStringLiteral("Dropped"));
        press(command(q, 2));
        QCOMPARE(s.rowCount(Schema::Table::Quizz1), 2);
        QCOMPARE(text(q, 1)->text(), QStringLiteral("Old"));
        QCOMPARE(usable(q), QStringLiteral("1345"));

        press(command(q, 5));
        QCOMPARE(command(q, 5)->text(), QStringLiteral("Enregister"));
        QCOMPARE(usable(q), QStringLiteral("25"));
        text(q, 1)->setText(QStringLiteral("New"));
        press(command(q, 5));
        QCOMPARE(usable(q), QStringLiteral("1345"));
        QCOMPARE(q->data().recordSet().field(Question).toString(), QStringLiteral("New"));

        press(command(q, 5));
        text(q, 1)->setText(QStringLiteral("Abandoned"));
        s.messageBox->answers = {MsgBox::No};
        QVERIFY(s->forms().unload(QStringLiteral("Questions")));
        QCOMPARE(s.messageBox->shown.last().text,
                 QStringLiteral("Voulez-vous enregister les modifications ?"));
        q = openEditor(s, Options::Vrai);
        QVERIFY(q && q->isVisible());
        QCOMPARE(text(q, 1)->text(), QStringLiteral("New"));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Gestion")));

        s.messageBox->answers = {MsgBox::No};
        press(command(q, 1));
        QCOMPARE(s.messageBox->shown.last().title, QStringLiteral("Supression"));
        QCOMPARE(s.rowCount(Schema::Table::Quizz1), 2);
        for (int left = 1; left >= 0; --left) {
            s.messageBox->answers = {MsgBox::Yes};
            press(command(q, 1));
            QCOMPARE(s.rowCount(Schema::Table::Quizz1), left);
        }
        // The empty table leaves only "Ajouter" and "Retour", and nothing to type in.
        QCOMPARE(usable(q), QStringLiteral("34"));
        QVERIFY(text(q, 1)->text().isEmpty());
        QVERIFY(!text(q, 1)->isEnabled());
        press(command(q, 4));
        q = openEditor(s, Options::Vrai);
        QVERIFY(q);
        QCOMPARE(usable(q), QStringLiteral("34"));
    }
};

QTEST_MAIN(TestQuestions)
#include "tst_questions.moc"
