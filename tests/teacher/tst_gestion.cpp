#include "data/Options.h"
#include "data/Schema.h"
#include "pupils/Inscription.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"
#include "teacher/Gestion.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using Schema::Field::Groupe;
using Schema::Field::Motdepasse;
using Schema::Field::Nom;

class TestGestion : public QObject {
    Q_OBJECT

    // Signs in as the teacher with that password, stored first if the program was not started,
    // and returns the console; the run stops if it does not open.
    Gestion* openConsole(Scenario& s, const QString& password = QStringLiteral("pivoine")) {
        if (!s.principale()) {
            s->settings().write(Options::Configuration, Options::MotDePasse, password);
            s.start();
        }
        auto* signIn = s.form<Inscription>(QStringLiteral("Inscription"));
        if (!signIn)
            qFatal("no sign-in window");
        signIn->managementPassword()->setText(password);
        press(signIn->findChild<FXShape*>(QStringLiteral("FXShape1(3)")));
        auto* console = s.form<Gestion>(QStringLiteral("Gestion"));
        if (!console)
            qFatal("the console did not open");
        return console;
    }
    // The last message shown.
    const FakeMessageBox::Shown& said(Scenario& s) { return s.messageBox->shown.last(); }
    template <class T = QPushButton> T* control(Gestion* g, const QString& name) {
        T* found = g->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QPushButton* button(Gestion* g, int i) {
        return control(g, QStringLiteral("FXShape1(%1)").arg(i));
    }
    QLineEdit* text(Gestion* g, int i) {
        return control<QLineEdit>(g, QStringLiteral("Text%1").arg(i));
    }
    QString cell(Gestion* g, int row, int column) {
        QTableView* grid = control<QTableView>(g, QStringLiteral("DBGrid1"));
        return grid->model()->index(row, column).data().toString();
    }
    bool editCell(Gestion* g, int row, int column, const QString& value) {
        QAbstractItemModel* model = control<QTableView>(g, QStringLiteral("DBGrid1"))->model();
        return model->setData(model->index(row, column), value);
    }

private slots:
    void defaultPasswordIsFilledAndChangedThroughTheConsole() {
        Scenario s;
        Gestion* g = openConsole(s);
        QVERIFY(g->isVisible());
        QVERIFY(g->parentWidget()->isMaximized()); // the console fills the document area
        // It fits the document area beside the teacher's panel (738 px on a 1024 px screen),
        // and no control sticks out of its frame.
        const auto* board = g->findChild<QWidget*>(QStringLiteral("Planche"));
        QVERIFY(board->width() <= 738);
        for (const QWidget* w : board->findChildren<QWidget*>())
            if (w->isVisibleTo(board) && !w->isWindow())
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()),
                         qPrintable(w->objectName()));
        QCOMPARE(text(g, 1)->text(), QStringLiteral("pivoine"));
        QCOMPARE(g->focusWidget(), text(g, 2));
        QVERIFY(s->general().NomChoisi.isEmpty());
        QCOMPARE(control<QLabel>(g, QStringLiteral("Data1Caption"))->text(),
                 QStringLiteral("n° : 1"));
        press(button(g, 6));
        QCOMPARE(s.help->indexShown, 1);

        // A refused change keeps the old password; an accepted one signs in.
        text(g, 2)->setText(QStringLiteral("Lys"));
        text(g, 3)->setText(QStringLiteral("Lis"));
        press(button(g, 2));
        QCOMPARE(said(s).text, QStringLiteral("Confirmation du mot de pase incorrect."));
        QCOMPARE(said(s).title, QStringLiteral("Mot de passe"));
        QCOMPARE(g->focusWidget(), text(g, 3));
        QCOMPARE(text(g, 3)->selectedText(), QStringLiteral("Lis"));
        QCOMPARE(s->settings().read(Options::Configuration, Options::MotDePasse),
                 QStringLiteral("pivoine"));

        text(g, 3)->setText(QStringLiteral("Lys"));
        press(button(g, 2));
        QCOMPARE(said(s).flags, MsgBox::Information);
        QCOMPARE(s->settings().read(Options::Configuration, Options::MotDePasse),
                 QStringLiteral("Lys"));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(text(g, i)->text().isEmpty());

        // The lexicon opened from the console is modal: "Retour" does nothing until it closes.
        QTest::mouseClick(button(g, 5), Qt::LeftButton);
        QVERIFY(s.isShown(QStringLiteral("Lexique")));
        QTest::mouseClick(button(g, 3), Qt::LeftButton);
        QVERIFY(s->forms().isLoaded(QStringLiteral("Gestion")));
        QVERIFY(s->forms().unload(QStringLiteral("Lexique")));
        QTRY_VERIFY(!s->forms().isLoaded(QStringLiteral("Lexique")));
        press(button(g, 3));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Gestion")));
        QTRY_VERIFY(s.isShown(QStringLiteral("Inscription")));
        Gestion* again = openConsole(s, QStringLiteral("Lys"));
        QVERIFY(again->isVisible());
        QVERIFY(text(again, 1)->text().isEmpty());
    }

    // Grid edits are confirmed, checked and seen by the sign-in window; then every pupil is
    // deleted, each after its question, and one more deletion finds none.
    void gridEditsAreSeenBySignInThenEveryPupilIsDeleted() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Zoé"), QStringLiteral("CM2"), QStringLiteral("a")));
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("abc")));
        QVERIFY(s.addPupil(QStringLiteral("Noé"), QStringLiteral("cm1"), QStringLiteral("c")));
        Gestion* g = openConsole(s);
        auto* combo = control<QComboBox>(g, QStringLiteral("Combo1"));
        const auto sortBy = [&](const char* key) {
            combo->setCurrentIndex(combo->findText(QString::fromLatin1(key)));
            emit combo->activated(combo->currentIndex());
        };
        sortBy("Groupe");
        QCOMPARE((QStringList{cell(g, 0, 1), cell(g, 1, 1), cell(g, 2, 1), cell(g, 3, 1)}),
                 (QStringList{"", "CE1", "cm1", "CM2"}));
        sortBy("Nom");
        QCOMPARE(cell(g, 0, 0), QStringLiteral("Invité"));
        QCOMPARE(cell(g, 1, 0), QStringLiteral("Léa"));

        s.messageBox->answers = {MsgBox::No};
        QVERIFY(!editCell(g, 1, 1, QStringLiteral("CM2")));
        QCOMPARE(said(s).title, QStringLiteral("Confirmation d'enregistrement"));
        QCOMPARE(s.pupilField(QStringLiteral("Léa"), Groupe).toString(), QStringLiteral("CE1"));

        for (const auto& [column, value] :
             {std::pair{0, "invité"}, std::pair{1, ""}, std::pair{2, "abcd"}}) {
            const int before = int(s.messageBox->shown.size());
            QVERIFY2(!editCell(g, 1, column, QString::fromUtf8(value)), value);
            QCOMPARE(s.messageBox->shown.size(), before + 1);
            QCOMPARE(said(s).flags, MsgBox::Exclamation);
        }
        QCOMPARE(s.pupilField(QStringLiteral("Léa"), Motdepasse).toString(), QStringLiteral("abc"));

        s.messageBox->answers = {MsgBox::Yes, MsgBox::Yes};
        QVERIFY(editCell(g, 1, 1, QStringLiteral("CM2")));
        QVERIFY(editCell(g, 1, 0, QStringLiteral("O'Brien \"Jo\"")));
        QCOMPARE(s.pupilField(QStringLiteral("O'Brien \"Jo\""), Groupe).toString(),
                 QStringLiteral("CM2"));
        press(button(g, 3));
        auto* groupsList = s.form<Inscription>(QStringLiteral("Inscription"))
                               ->findChild<QListWidget*>(QStringLiteral("Combo1"));
        QCOMPARE(groupsList->count(), 3);
        QVERIFY(groupsList->findItems(QStringLiteral("CE1"), Qt::MatchExactly).isEmpty());

        g = openConsole(s);
        s.messageBox->answers = {MsgBox::No};
        press(button(g, 0));
        QCOMPARE(said(s).text, QStringLiteral("Suppression de \"Invité\" ?"));
        QCOMPARE(said(s).flags, MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2);
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 4);
        for (int left = 3; left >= 0; --left) {
            const QString current = cell(g, 0, 0);
            s.messageBox->answers = {MsgBox::Yes};
            press(button(g, 0));
            QCOMPARE(said(s).text, "Suppression de \"" + current + "\" ?");
            QCOMPARE(s.rowCount(Schema::Table::Gestion), left);
        }
        QCOMPARE(control<QLabel>(g, QStringLiteral("Data1Caption"))->text(),
                 QStringLiteral("n° : 0"));
        press(button(g, 0));
        QCOMPARE(said(s).text, QStringLiteral("Il n'y a pas d'enregistrement à supprimer !"));
        QCOMPARE(said(s).title, QStringLiteral("Suppression"));
    }

    // Each option box writes its setting at every click, and the console opened again shows
    // the state it was left in; the lock then refuses the main window's teacher button. The
    // mode tells a local file from a shared one, and a bad file is refused.
    void optionsAndModeAreWrittenAndReadBackByTheirWindows() {
        const QString vrai = Options::Vrai, faux = Options::Faux;
        const struct {
            const char* box;
            QString key;
            bool ticked;         // at start-up
            QStringList written; // after each click in turn
            bool kept;
        } options[] = {{"Check1", Options::Protection, true, {faux, vrai, faux}, false},
                       {"Check2", Options::Verrouillage, false, {vrai, faux, vrai}, true},
                       {"Check3", Options::Texte, true, {faux, vrai, faux}, false},
                       // Ticked hides the pronunciation stars of the studio.
                       {"Check4", Options::Etoiles, false, {faux, vrai, faux}, true},
                       {"Option4", Options::Quizz, true, {vrai}, false},
                       {"Option3", Options::Quizz, false, {faux}, true}};
        Scenario s;
        Gestion* g = openConsole(s);
        for (const auto& o : options) {
            auto* option = control<QAbstractButton>(g, o.box);
            QVERIFY2(option->isChecked() == o.ticked, o.box);
            for (const QString& value : o.written) {
                option->click();
                QCOMPARE(s->settings().read(Options::Configuration, o.key), value);
            }
        }
        press(button(g, 3));
        emit s.principale()->bouton(10)->clicked(10);
        QCOMPARE(said(s).text, QStringLiteral("Pas d'accès possible sans oter le verrouillage."));
        g = openConsole(s);
        for (const auto& o : options)
            QVERIFY2(control<QAbstractButton>(g, o.box)->isChecked() == o.kept, o.box);

        auto* mode = control<QGroupBox>(g, QStringLiteral("Frame2(0)"));
        QCOMPARE(mode->title(), QStringLiteral("VALIMOR fonctionne en LOCAL"));

        const QString shared = s.folder.filePath(QStringLiteral("partage/DbBrin.mdb"));
        QVERIFY(QDir().mkpath(QFileInfo(shared).path()));
        QVERIFY(QFile::copy(s.databasePath(), shared));
        const QString notADatabase =
            s.writeFile(QStringLiteral("autre/DbBrin.mdb"), "pas une base");
        s.fileDialog->answers = {notADatabase, shared};
        press(control(g, QStringLiteral("Command1")));
        QCOMPARE(s.fileDialog->requests.size(), 2); // the dialog's request is the location test's
        QCOMPARE(mode->title(), QStringLiteral("VALIMOR fonctionne en RESEAU"));
        QCOMPARE(s->settings().read(Options::Database, Options::Path), shared);
        QCOMPARE(s->general().CheminBase, shared);
        QCOMPARE(g->data().databaseName(), shared);

        s.fileDialog->answers = {s.databasePath()};
        press(control(g, QStringLiteral("Command1")));
        QCOMPARE(mode->title(), QStringLiteral("VALIMOR fonctionne en LOCAL"));
    }
};

QTEST_MAIN(TestGestion)
#include "tst_gestion.moc"
