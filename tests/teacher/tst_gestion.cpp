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

namespace {
void press(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}
} // namespace

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
    // The lexicon opened from the console is modal: "Retour" of the console does nothing until
    // the lexicon closes.
    void lexiconFromTheConsoleIsModal() {
        Scenario s;
        Gestion* g = openConsole(s, QStringLiteral("lys"));
        g->window()->show();
        QTest::mouseClick(button(g, 5), Qt::LeftButton);
        QVERIFY(s.isShown(QStringLiteral("Lexique")));
        QTest::mouseClick(button(g, 3), Qt::LeftButton);
        QVERIFY(s->forms().isLoaded(QStringLiteral("Gestion")));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
        QVERIFY(s->forms().unload(QStringLiteral("Lexique")));
        QTRY_VERIFY(!s->forms().isLoaded(QStringLiteral("Lexique")));
        QTest::mouseClick(button(g, 3), Qt::LeftButton);
        QTRY_VERIFY(s.isShown(QStringLiteral("Inscription")));
    }
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
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
        QCOMPARE(text(g, 1)->text(), QStringLiteral("pivoine"));
        QCOMPARE(g->focusWidget(), text(g, 2));
        QVERIFY(s->general().NomChoisi.isEmpty());
        const QAbstractItemModel* grid = control<QTableView>(g, QStringLiteral("DBGrid1"))->model();
        const QStringList captions{"Nom", "Groupe", "Mot de Passe"};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid->headerData(c, Qt::Horizontal).toString(), captions[c]);
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

        press(button(g, 3));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Gestion")));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        Gestion* again = openConsole(s, QStringLiteral("Lys"));
        QVERIFY(again->isVisible());
        QVERIFY(text(again, 1)->text().isEmpty());
    }

    void deletingTheLastPupilThenAgainSaysThereIsNone() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("abc")));
        Gestion* g = openConsole(s);
        s.messageBox->answers = {MsgBox::No};
        press(button(g, 0));
        QCOMPARE(said(s).text, QStringLiteral("Suppression de \"Invité\" ?"));
        QCOMPARE(said(s).flags, MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2);
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 2);

        s.messageBox->answers = {MsgBox::Yes, MsgBox::Yes};
        press(button(g, 0));
        QCOMPARE(cell(g, 0, 0), QStringLiteral("Léa"));
        press(button(g, 0));
        QCOMPARE(said(s).text, QStringLiteral("Suppression de \"Léa\" ?"));
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 0);
        QCOMPARE(control<QLabel>(g, QStringLiteral("Data1Caption"))->text(),
                 QStringLiteral("n° : 0"));
        const int shown = int(s.messageBox->shown.size());
        press(button(g, 0));
        QCOMPARE(s.messageBox->shown.size(), shown + 1);
        QCOMPARE(said(s).text, QStringLiteral("Il n'y a pas d'enregistrement à supprimer !"));
        QCOMPARE(said(s).title, QStringLiteral("Suppression"));
    }

    void gridEditsAreConfirmedCheckedAndSeenBySignIn() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Zoé"), QStringLiteral("CM2"), QStringLiteral("a")));
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("abc")));
        QVERIFY(s.addPupil(QStringLiteral("Noé"), QStringLiteral("cm1"), QStringLiteral("c")));
        Gestion* g = openConsole(s);
        auto* combo = control<QComboBox>(g, QStringLiteral("Combo1"));
        QCOMPARE(combo->count(), 3);
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
    }

    // Each option box writes its setting at every click, and the console opened again shows
    // the state it was left in.
    void optionsAreWrittenAndReadBackByTheirWindows_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("ticked");         // at start-up
        QTest::addColumn<QStringList>("written"); // after each click in turn
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("refusal"); // of the main window's teacher button, then
        const QString vrai = Options::Vrai, faux = Options::Faux;
        QTest::newRow("protection") << "Check1" << Options::Protection << true
                                    << QStringList{faux, vrai, faux} << false << QString();
        QTest::newRow("lock") << "Check2" << Options::Verrouillage << false
                              << QStringList{vrai, faux, vrai} << true
                              << "Pas d'accès possible sans oter le verrouillage.";
        QTest::newRow("text") << "Check3" << Options::Texte << true << QStringList{faux, vrai, faux}
                              << false << QString();
        // Ticked hides the pronunciation stars of the studio.
        QTest::newRow("stars") << "Check4" << Options::Etoiles << false
                               << QStringList{faux, vrai, faux} << true << QString();
        QTest::newRow("own quiz") << "Option3" << Options::Quizz << false << QStringList{faux}
                                  << true << QString();
        QTest::newRow("visit quiz")
            << "Option4" << Options::Quizz << true << QStringList{vrai} << true << QString();
    }
    void optionsAreWrittenAndReadBackByTheirWindows() {
        QFETCH(QString, box);
        QFETCH(QString, key);
        QFETCH(bool, ticked);
        QFETCH(QStringList, written);
        QFETCH(bool, kept);
        QFETCH(QString, refusal);
        Scenario s;
        Gestion* g = openConsole(s);
        auto* option = control<QAbstractButton>(g, box);
        QCOMPARE(option->isChecked(), ticked);
        for (const QString& value : written) {
            option->click();
            QCOMPARE(s->settings().read(Options::Configuration, key), value);
        }
        press(button(g, 3));
        if (!refusal.isEmpty()) {
            emit s.principale()->bouton(10)->clicked(10);
            QCOMPARE(said(s).text, refusal);
        }
        Gestion* again = openConsole(s);
        QCOMPARE(control<QAbstractButton>(again, box)->isChecked(), kept);
    }

    void theModeTellsLocalFromNetworkAndABadFileIsRefused() {
        Scenario s;
        Gestion* g = openConsole(s);
        auto* mode = control<QGroupBox>(g, QStringLiteral("Frame2(0)"));
        QCOMPARE(mode->title(), QStringLiteral("VALIMOR fonctionne en LOCAL"));

        const QString shared = s.folder.filePath(QStringLiteral("partage/DbBrin.mdb"));
        QVERIFY(QDir().mkpath(QFileInfo(shared).path()));
        QVERIFY(QFile::copy(s.databasePath(), shared));
        const QString notADatabase =
            s.writeFile(QStringLiteral("autre/DbBrin.mdb"), "pas une base");
        s.fileDialog->answers = {notADatabase, shared};
        press(control(g, QStringLiteral("Command1")));
        QCOMPARE(s.fileDialog->requests.size(), 2);
        QCOMPARE(s.fileDialog->requests[0].title,
                 QStringLiteral("Veuillez sélectionner DbBrin.mdb"));
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
