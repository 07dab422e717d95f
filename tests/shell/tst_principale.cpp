#include "activities/Seconde.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "pupils/Inscription.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXVid.h"
#include "support/Scenario.h"

#include <QMessageBox>
#include <QSlider>
#include <QTimer>
#include <QtTest>

namespace {
void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Button n of the main window is shown, as its screen would show it, and clicked.
void press(Principale* main, int n) {
    main->bouton(n)->show();
    click(main->bouton(n));
}

QStringList sentCommands(TestContexte& t) {
    QStringList commands;
    for (FakeAudioChannel* channel : t.audio->channels)
        for (const auto& played : channel->played)
            commands << played.file;
    return commands;
}
} // namespace

class TestPrincipale : public QObject {
    Q_OBJECT

    static void fillQuiz(Scenario& s, const QString& table, int count) {
        for (int i = 0; i < count; ++i)
            QVERIFY(s.addRow(table, {{Schema::Field::Question, QStringLiteral("Q%1 ?").arg(i)},
                                     {Schema::Field::Reponse1, QStringLiteral("a")},
                                     {Schema::Field::Valide1, true}}));
    }

private slots:
    // The path as the first start stores it, and with a final backslash.
    void aStoredPathOpensTheFileWithoutAsking_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("as stored") << QString();
        QTest::newRow("final backslash") << QStringLiteral("\\");
    }
    void aStoredPathOpensTheFileWithoutAsking() {
        QFETCH(QString, suffix);
        Scenario s;
        s->settings().write(Options::Database, Options::Path, s.databasePath() + suffix);
        QVERIFY(s.start());
        QVERIFY(s.fileDialog->requests.isEmpty());
        QCOMPARE(s->general().CheminBase, s.databasePath());
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QVERIFY(!s.quitter->quitCalled);
    }

    void firstStartAsksForTheFileAndStoresIt() {
        Scenario s(false);
        s.fileDialog->answers = {s.databasePath()};
        s.start();
        QCOMPARE(s.fileDialog->requests.size(), 1);
        QCOMPARE(s.fileDialog->requests[0].title,
                 QStringLiteral("Veuillez sélectionner DbBrin.mdb"));
        QCOMPARE(s->settings().read(Options::Database, Options::Path), s.databasePath());
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
    }

    void cancellingTheDialogEndsTheProgramWithItsMessage() {
        Scenario s(false);
        s.start();
        QCOMPARE(s.messageBox->shown.size(), 1);
        QVERIFY(s.messageBox->shown[0].text.startsWith(
            QStringLiteral("VALIMOR Brindel ne peut pas fonctionner sans ce fichier.")));
        QCOMPARE(s.messageBox->shown[0].flags, 0);
        QVERIFY(s.quitter->quitCalled);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
    }

    void loadKeepsStoredOptionsAndPreparesSoundAndHelp() {
        Scenario s;
        s->settings().write(Options::Configuration, Options::Texte, Options::Faux);
        s->settings().write(Options::Configuration, Options::Verrouillage, QStringLiteral("vrai"));
        s.writeFile(QStringLiteral("Mcison/son1.wav"), QByteArray("RIFF-one"));
        s.writeFile(QStringLiteral("Mcison/son6.wav"), QByteArray("RIFF-six "));
        Principale* main = s.start();
        QCOMPARE(s->settings().read(Options::Configuration, Options::Texte), Options::Faux);
        QCOMPARE(s->settings().read(Options::Configuration, Options::Verrouillage),
                 QStringLiteral("vrai"));
        QCOMPARE(s->settings().read(Options::Configuration, Options::Protection), Options::Vrai);
        QCOMPARE(s->settings().read(Options::Configuration, Options::Quizz), Options::Vrai);
        QCOMPARE(s->general().EffectSounds[0], QByteArray("RIFF-one"));
        QCOMPARE(s->general().EffectSounds[5], QByteArray("RIFF-six"));
        QCOMPARE(s->general().ModeActivite, 10);
        QVERIFY(s.help->helpFile.endsWith(QStringLiteral("/Brin.hlp")));
        auto* slider = main->findChild<QSlider*>(QStringLiteral("Slider1"));
        QCOMPARE(slider->maximum(), 65000);
        QCOMPARE(slider->pageStep(), 6500);
        // The start-up sound follows half a second later, from its file.
        auto* timer1 = main->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer1->isActive());
        QCOMPARE(timer1->interval(), 500);
        QTRY_VERIFY(!sentCommands(s).isEmpty() &&
                    sentCommands(s).last().endsWith(QStringLiteral("son7.wav")));
        QVERIFY(!timer1->isActive());
    }

    void scoreIsRefusedToTheGuestOnly() {
        for (const QString& name : {QStringLiteral("Invité"), QStringLiteral("Léa"), QString()}) {
            Scenario s;
            s.registerProbe(QStringLiteral("Recompense"));
            Principale* main = s.start();
            s->general().NomChoisi = name;
            press(main, 9);
            const bool guest = name == QStringLiteral("Invité");
            QCOMPARE(s.messageBox->shown.size(), guest ? 1 : 0);
            if (guest) {
                QCOMPARE(s.messageBox->shown[0].text,
                         QStringLiteral("Il faut s'inscrire pour accéder aux résultats."));
                QCOMPARE(s.messageBox->shown[0].title, QStringLiteral("Brindel"));
                QCOMPARE(s.messageBox->shown[0].flags, 64);
            }
            QCOMPARE(s.isShown(QStringLiteral("Recompense")), !guest);
        }
    }

    void lexiconOpensOnlyWhenTheLockIsExactlyFaux() {
        for (const QString& lock :
             {QString(), QStringLiteral("Vrai"), QStringLiteral("faux"), QStringLiteral("Faux")}) {
            Scenario s;
            s.registerProbe(QStringLiteral("Lexique"));
            Principale* main = s.start();
            s->settings().write(Options::Configuration, Options::Verrouillage, lock);
            press(main, 10);
            const bool open = lock == Options::Faux;
            QCOMPARE(s.isShown(QStringLiteral("Lexique")), open);
            QCOMPARE(s.messageBox->shown.size(), open ? 0 : 1);
            if (!open)
                QCOMPARE(s.messageBox->shown[0].title, QStringLiteral("Lexique"));
        }
    }

    void quizNeedsTenRecordsOfTheChosenTable() {
        struct Case {
            int quizz1, quizz2;
            QString option;
            bool opens;
        };
        for (const Case& c :
             {Case{9, 0, QStringLiteral("Vrai"), false}, Case{10, 0, QStringLiteral("Vrai"), true},
              Case{10, 9, QStringLiteral("Faux"), false}, Case{0, 10, QStringLiteral("Faux"), true},
              Case{10, 0, QStringLiteral("faux"), true}}) {
            Scenario s;
            s.registerProbe(QStringLiteral("Quizz"));
            fillQuiz(s, Schema::Table::Quizz1, c.quizz1);
            fillQuiz(s, Schema::Table::Quizz2, c.quizz2);
            Principale* main = s.start();
            s->settings().write(Options::Configuration, Options::Quizz, c.option);
            press(main, 7);
            QCOMPARE(s.isShown(QStringLiteral("Quizz")), c.opens);
            QCOMPARE(s->general().EnExercice, c.opens);
            QCOMPARE(s->general().NumExercice, 60);
            QCOMPARE(s->general().Colonne, QStringLiteral("Quizz"));
            if (!c.opens) {
                QCOMPARE(s.messageBox->shown.size(), 1);
                QCOMPARE(s.messageBox->shown[0].title, QStringLiteral("QUIZZ"));
                QCOMPARE(main->data().recordSource(), Schema::Table::Gestion);
            } else {
                QCOMPARE(s->general().NbQuestions,
                         QString::number(c.option == Options::Faux ? c.quizz2 : c.quizz1));
            }
        }
    }

    void consigneShowsTheTopicOfTheScreen() {
        Scenario s;
        Principale* main = s.start();
        auto* seconde = s->forms().get<Seconde>(QStringLiteral("Seconde"));
        for (int i = 0; i <= 13; ++i)
            main->bouton(i)->show();
        seconde->listPicture()->show();
        click(main->bouton(12));
        QCOMPARE(s.help->popups.size(), 1);
        QCOMPARE(s.help->popups[0].topic, 84);
        QCOMPARE(s.help->popups[0].near, main->bouton(12));
        seconde->listPicture()->hide();
        click(main->bouton(12));
        QCOMPARE(s.help->popups.last().topic, 109);
        s->general().ModeActivite = 6;
        click(main->bouton(12));
        QCOMPARE(s.help->popups.size(), 2);
    }

    void activityButtonPreparesTheChooser() {
        Scenario s;
        Principale* main = s.start();
        s->settings().write(Options::Configuration, Options::Texte, Options::Faux);
        press(main, 0);
        QCOMPARE(s->general().ModeActivite, 0);
        QCOMPARE(main->titre()->caption(), QStringLiteral("Ecoute et observe"));
        auto* seconde = s.form<Seconde>(QStringLiteral("Seconde"));
        QVERIFY(seconde);
        QVERIFY(seconde->backgroundPath().endsWith(QStringLiteral("Brinobse.Jpg")));
        QVERIFY(!seconde->listPicture()->isHidden());
        QVERIFY(main->motAnglais()->isHidden());
        // The press played the activity sound and armed the second timer for effect 5.
        auto* timer2 = main->findChild<QTimer*>(QStringLiteral("Timer2"));
        QVERIFY(timer2->isActive());

        s->settings().write(Options::Configuration, Options::Texte, Options::Vrai);
        press(main, 4);
        QCOMPARE(main->titre()->caption(), QStringLiteral("Ecoute et écris"));
        QCOMPARE(main->data().recordSource(), Schema::Table::Compte);
    }

    void retourFromTheMenuGoesBackToSignIn() {
        Scenario s;
        Principale* main = s.start();
        s->forms().unload(QStringLiteral("Inscription"));
        for (int i = 0; i <= 13; ++i)
            main->bouton(i)->show();
        s->general().EnExercice = false;
        click(main->bouton(13));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        for (int i = 8; i <= 13; ++i)
            QVERIFY(main->bouton(i)->isHidden());
        QVERIFY(main->bouton(0)->isHidden());
        // "Retour" sets the flag, and loading the sign-in window clears it again.
        QVERIFY(!s->general().EnExercice);
        QCOMPARE(main->titre()->caption(), QStringLiteral("Brindel"));
    }

    void retourFromAnExerciseGoesBackToTheMenu() {
        Scenario s;
        Principale* main = s.start();
        s.registerProbe(QStringLiteral("Tierce"));
        s->forms().show(QStringLiteral("Tierce"));
        Général& g = s->general();
        g.EnExercice = true;
        g.NumExercice = 12;
        g.Reussites = 4;
        g.Erreurs = 2;
        g.DernierSon = QStringLiteral("x.wav");
        main->commande(3)->show();
        main->commande(13)->show();
        press(main, 13);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Tierce")));
        QVERIFY(s.isShown(QStringLiteral("Seconde")));
        QCOMPARE(g.NumExercice, 0);
        QCOMPARE(g.Reussites, 0);
        QCOMPARE(g.Erreurs, 0);
        QVERIFY(!g.EnExercice);
        QVERIFY(g.DernierSon.isEmpty());
        QVERIFY(main->commande(3)->isHidden());
        QVERIFY(main->commande(13)->isHidden());
        for (int i = 0; i <= 7; ++i)
            QVERIFY(!main->bouton(i)->isHidden());
        QVERIFY(s.form<Seconde>(QStringLiteral("Seconde"))
                    ->backgroundPath()
                    .endsWith(QStringLiteral("Brin.Jpg")));
    }

    void retourWhileTheStudioIsOpenClosesOnlyTheStudio() {
        Scenario s;
        Principale* main = s.start();
        s.registerProbe(QStringLiteral("Visu"));
        s->forms().show(QStringLiteral("Visu"));
        s->general().ModeStudio = true;
        s->general().NumExercice = 7;
        press(main, 13);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Visu")));
        QCOMPARE(s->general().NumExercice, 7);
    }

    void quitQuestionNoKeepsEverythingYesEnds() {
        Scenario s;
        Principale* main = s.start();
        s.writeFile(QStringLiteral("enregist.tmp"), QByteArray("RIFF"));
        s.messageBox->answers = {MsgBox::No};
        click(main->bouton(14));
        QCOMPARE(s.messageBox->shown.last().text, QStringLiteral("Tu veux quitter \"Brindel\" ?"));
        QCOMPARE(s.messageBox->shown.last().flags, 292);
        QVERIFY(s->forms().isLoaded(QStringLiteral("Principale")));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QVERIFY(QFile::exists(s.programFolder() + QStringLiteral("/enregist.tmp")));
        QVERIFY(!s.quitter->quitCalled);

        s.messageBox->answers = {MsgBox::Yes};
        click(main->bouton(14));
        QVERIFY(!QFile::exists(s.programFolder() + QStringLiteral("/enregist.tmp")));
        QVERIFY(s.quitter->quitCalled);
        QCOMPARE(s.quitter->code, 0);
    }

    void activationRunsAgainWhenAChildWindowClosesButNotAfterAMessage() {
        Scenario s;
        s.registerProbe(QStringLiteral("Enfant"));
        Principale* main = s.start();
        QCoreApplication::processEvents();
        const auto disturb = [&] {
            main->useTable(Schema::Table::Quizz1);
            main->bouton(14)->hide();
        };
        s->general().ModeActivite = 0;
        disturb();
        QMessageBox box(QMessageBox::Information, QStringLiteral("Brindel"), QStringLiteral("x"),
                        QMessageBox::Ok, main);
        box.show();
        QCoreApplication::processEvents();
        box.close();
        s.messageBox->show(QStringLiteral("Bravo"), MsgBox::Information, QStringLiteral("Brindel"));
        QCoreApplication::processEvents();
        QCOMPARE(main->data().recordSource(), Schema::Table::Quizz1);

        struct Case {
            int mode;
            QString table;
        };
        for (const Case& c : {Case{0, Schema::Table::Imagier}, Case{4, Schema::Table::Compte},
                              Case{7, Schema::Table::Gestion}}) {
            s->general().ModeActivite = c.mode;
            s->forms().show(QStringLiteral("Enfant"), FormRegistry::ShowMode::Maximised);
            QCoreApplication::processEvents();
            disturb();
            QVERIFY(s->forms().unload(QStringLiteral("Enfant")));
            QCoreApplication::processEvents();
            QCOMPARE(main->data().recordSource(), c.table);
            QVERIFY(!main->bouton(14)->isHidden());
        }
    }

    void teacherGreetingPlaysTheFirstFramesAndEnds() {
        Scenario s;
        Principale* main = s.start();
        main->Profette();
        QVERIFY(sentCommands(s).last().endsWith(QStringLiteral("son8.wav")));
        QVERIFY(!main->video()->isHidden());
        QCOMPARE(main->video()->startFrame(), 0);
        QCOMPARE(main->video()->endFrame(), 14);
    }
};

QTEST_MAIN(TestPrincipale)
#include "tst_principale.moc"
