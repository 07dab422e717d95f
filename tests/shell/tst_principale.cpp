#include "activities/Seconde.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "pupils/Inscription.h"
#include "shell/Accueil.h"
#include "shell/FormRegistry.h"
#include "shell/Main.h"
#include "shell/Principale.h"
#include "shell/StartupChecks.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXVid.h"
#include "sound/MciInterpreter.h"
#include "support/MediaWriters.h"
#include "support/Scenario.h"

#include <QMessageBox>
#include <QSlider>
#include <QTimer>
#include <QtTest>

using namespace StartupChecks;

namespace {
// Button n of the main window is shown, as its screen would show it, and clicked.
void press(Principale* main, int n) {
    main->bouton(n)->show();
    QTest::mouseClick(main->bouton(n), Qt::LeftButton);
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
    // ---- start-up ----
    // At large fonts: with no other copy the font message ends the program; with another copy
    // the question comes first, No ends at once and Yes goes on to the font message.
    void instanceQuestionComesBeforeTheFontCheck() {
        for (const int answer : {0, MsgBox::No, MsgBox::Yes}) { // 0: no other copy
            TestContexte t;
            t.writePicture(QStringLiteral("Bitmap/splash.jpg"), QSize(400, 300));
            registerForms(*t);
            t.instance->running = answer != 0;
            t.screen->dpi = 120;
            t.messageBox->answers = {answer};
            QVERIFY(!Main(*t));
            const auto& shown = t.messageBox->shown;
            QCOMPARE(shown.size(), answer == MsgBox::Yes ? 2 : 1);
            QVERIFY(!t->forms().isLoaded(QStringLiteral("Accueil")));
            if (answer != 0) {
                QCOMPARE(shown[0].text, InstanceQuestion);
                QCOMPARE(shown[0].flags, 36);
                QCOMPARE(shown[0].title, QStringLiteral("VALIMOR Brindel"));
            }
            if (answer == MsgBox::No)
                continue;
            QCOMPARE(shown.last().title, QStringLiteral("CD Rom"));
            QCOMPARE(shown.last().flags, 64);
            const QStringList lines = shown.last().text.split(u'\n');
            QCOMPARE(lines.size(), 8);
            QCOMPARE(lines[0],
                     QStringLiteral("Brindel ne peut pas fonctionner en grandes polices"));
            QCOMPARE(lines[7], QStringLiteral("6) Petites polices"));
        }
    }

    void onlyNinetySixDpiPassesAndTheSplashSitsFivePixelsLeftOfCentre() {
        FakeScreen screen;
        for (const int dpi : {95, 96, 97, 120}) {
            screen.dpi = dpi;
            QCOMPARE(PetitesPolices(screen), dpi == 96);
        }
        // Even sizes are the splash window test's. Odd sizes: each halving drops the remainder in
        // twips, then the conversion does.
        QCOMPARE(splashPosition(QSize(1000, 700), QSize(333, 222)), QPoint(333 - 5, 239));
        // A splash larger than the screen: the division truncates towards zero.
        QCOMPARE(splashPosition(QSize(800, 600), QSize(801, 601)), QPoint(0 - 5, 0));
    }

    // A missing or unreadable picture ends the program with a message naming the file, found
    // whatever the case of its name.
    void missingOrUnreadableSplashPictureEndsWithAMessage() {
        for (const QString& name : {QString(), QStringLiteral("Bitmap/Splash.JPG")}) {
            TestContexte t;
            if (!name.isEmpty())
                t.writeFile(name, QByteArray("not a picture at all"));
            registerForms(*t);
            QVERIFY(!Main(*t));
            QCOMPARE(t.messageBox->shown.size(), 1);
            const QString text = t.messageBox->shown[0].text;
            QVERIFY(text.contains(name.isEmpty() ? QStringLiteral("Bitmap/splash.jpg") : name));
            QVERIFY(text.contains(QStringLiteral("image d'accueil")));
            QCOMPARE(MsgBox::icon(t.messageBox->shown[0].flags), MsgBox::Critical);
        }
    }

    // ---- main window ----
    // With no other copy nothing is asked; the splash shows on top where its position rules put
    // it, and its activation loads the main window, which unloads it. The file's location rules
    // (asking, storing the choice) are the location test's; here the main window opens the
    // sign-in window only once the file is open. Missing options get their default (the
    // settings test holds the table and keeps stored ones); the effects and the help file are
    // prepared.
    void splashLoadsTheMainWindowWhichOpensTheSignInOnceTheFileIsFoundAndPreparesSoundAndHelp() {
        Scenario cancelled(false);
        cancelled.start();
        QCOMPARE(cancelled.messageBox->shown.size(), 1);
        QVERIFY(cancelled.quitter->quitCalled);
        QVERIFY(!cancelled->forms().isLoaded(QStringLiteral("Inscription")));
        Scenario s;
        s.writePicture(QStringLiteral("Bitmap/splash.jpg"), QSize(400, 300));
        s.writeFile(QStringLiteral("Mcison/son6.wav"), QByteArray("RIFF-six"));
        QVERIFY(Main(*s));
        QVERIFY(s.messageBox->shown.isEmpty());
        auto* splash = qobject_cast<Accueil*>(s->forms().find(QStringLiteral("Accueil")));
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash->size(), QSize(400, 300));
        QCOMPARE(splash->pos(), QPoint(312 - 5, 234));
        QTRY_VERIFY(s->forms().isLoaded(QStringLiteral("Principale")));
        auto* main = s->forms().get<Principale>(QStringLiteral("Principale"));
        QVERIFY(main->isVisible());
        QVERIFY(main->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(main->geometry(), QRect(QPoint(0, 0), s.screen->size));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Accueil")));
        QVERIFY(!s.quitter->quitCalled);
        QVERIFY(s.fileDialog->requests.isEmpty());
        QCOMPARE(s->general().CheminBase, s.databasePath());
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QCOMPARE(s->settings().read(Options::Configuration, Options::Protection), Options::Vrai);
        // The six effects are the wave file test's; here the window loads them.
        QCOMPARE(s->general().EffectSounds[5], QByteArray("RIFF-six"));
        QCOMPARE(s->general().ModeActivite, 10);
        QVERIFY(s.help->helpFile.endsWith(QStringLiteral("/Brin.hlp")));
        // The start-up sound follows half a second later, from its file.
        auto* timer1 = main->findChild<QTimer*>(QStringLiteral("Timer1"));
        QCOMPARE(timer1->interval(), 500);
        QTRY_VERIFY(!sentCommands(s).isEmpty() &&
                    sentCommands(s).last().endsWith(QStringLiteral("son7.wav")));
        QVERIFY(!timer1->isActive());

        // The loudspeaker's slider sets the volume of every sound output: the effects, the words
        // and sentences of the main window, the rhymes, the studio's playback; those made later
        // take the volume set before them, and all follow every later change.
        auto* slider = main->findChild<QSlider*>(QStringLiteral("Slider1"));
        slider->setValue(6500);
        s->forms().get(QStringLiteral("Comptine"));
        const QString word =
            s.writeFile(QStringLiteral("MciLangue/cat.wav"), MediaWriters::silence(50));
        QCOMPARE(s->mci().send(QStringLiteral("open waveaudio!%1 alias sound").arg(word)), 0);
        QVERIFY(s.audio->channels.size() >= 4); // effects, Sonore1, Sonore, the studio's
        for (const int volume : {6500, 0, 65000}) {
            slider->setValue(volume);
            for (FakeAudioChannel* channel : s.audio->channels)
                QCOMPARE(channel->volumeValue, volume);
        }
    }

    // The count is taken from the table the option chooses, which the navigation test covers.
    // "Vrai" counts ten in Quizz1 while Quizz2 holds nine; "Faux" refuses Quizz2's nine, then
    // opens once it holds ten.
    void quizNeedsTenRecordsOfTheChosenTable() {
        Scenario s;
        s.registerProbe(QStringLiteral("Quizz"));
        Principale* main = s.start();
        // Each option counts only its own table: (option, rows in Quizz1, in Quizz2, opens).
        const std::tuple<QString, int, int, bool> cases[] = {{Options::Vrai, 9, 9, false},
                                                             {Options::Faux, 10, 9, false},
                                                             {Options::Vrai, 10, 9, true},
                                                             {Options::Faux, 10, 10, true}};
        for (const auto& [option, quizz1, quizz2, opens] : cases) {
            fillQuiz(s, Schema::Table::Quizz1, quizz1 - s.rowCount(Schema::Table::Quizz1));
            fillQuiz(s, Schema::Table::Quizz2, quizz2 - s.rowCount(Schema::Table::Quizz2));
            s->forms().unload(QStringLiteral("Quizz"));
            s->general().EnExercice = false;
            s.messageBox->shown.clear();
            s->settings().write(Options::Configuration, Options::Quizz, option);
            press(main, 7);
            QCOMPARE(s.isShown(QStringLiteral("Quizz")), opens);
            QCOMPARE(s->general().EnExercice, opens);
            QCOMPARE(s->general().NumExercice, 60);
            QCOMPARE(s->general().Colonne, QStringLiteral("Quizz"));
            QCOMPARE(s->general().NbQuestions,
                     QString::number(option == Options::Faux ? quizz2 : quizz1));
            QCOMPARE(s.messageBox->shown.size(), opens ? 0 : 1);
            if (!opens) {
                QCOMPARE(s.messageBox->shown[0].title, QStringLiteral("QUIZZ"));
                // Its count line is the quiz series test's.
                QVERIFY(s.messageBox->shown[0].text.endsWith(
                    QStringLiteral("\nRetournez dans la partie \"Gestion\" de Brindel.")));
                QCOMPARE(main->data().recordSource(), Schema::Table::Gestion);
            }
        }
    }

    // One main window walks through its buttons. An activity button prepares the chooser. The
    // help topics themselves are the navigation test's table; here the window's state reaches
    // it. The lexicon is refused while the lock holds anything but exactly "Faux" (the score's
    // refusal to the guest is the activity test's button table). "Retour" closes only the
    // studio while it is open, then leaves the exercise for the menu, then leaves the menu for
    // the sign-in window. A message box closing must not run the activation again; a child
    // window closing does, and chooses the table of the activity. Then the program is quit.
    void buttonsConsigneLexiconLockRetourOneStepAtATimeActivationAndQuit() {
        Scenario s;
        s.registerProbe(QStringLiteral("Lexique"));
        s.registerProbe(QStringLiteral("Enfant"));
        Principale* main = s.start();
        s->settings().write(Options::Configuration, Options::Texte, Options::Faux);
        press(main, 0);
        QCOMPARE(s->general().ModeActivite, 0);
        QCOMPARE(main->titre()->caption(), QStringLiteral("Ecoute et observe"));
        auto* seconde = s.form<Seconde>(QStringLiteral("Seconde"));
        QVERIFY(seconde); // its pictures are the activity test's, drawn from the real files
        QVERIFY(main->motAnglais()->isHidden());
        // The press played the activity sound and armed the second timer for effect 5.
        QVERIFY(main->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        press(main, 12);
        QCOMPARE(s.help->popups.size(), 1);
        QCOMPARE(s.help->popups[0].topic, 84); // the list picture is shown
        QCOMPARE(s.help->popups[0].near, main->bouton(12));
        seconde->listPicture()->hide();
        press(main, 12);
        QCOMPARE(s.help->popups.last().topic, 109);
        s->general().ModeActivite = 6; // no topic: no popup
        press(main, 12);
        QCOMPARE(s.help->popups.size(), 2);
        // Only the writing family works on its own table.
        press(main, 4);
        QCOMPARE(main->data().recordSource(), Schema::Table::Compte);
        // The teacher's greeting plays its sound and the first frames of the video.
        main->Profette();
        QVERIFY(sentCommands(s).last().endsWith(QStringLiteral("son8.wav")));
        QVERIFY(!main->video()->isHidden());
        QCOMPARE(main->video()->startFrame(), 0);
        QCOMPARE(main->video()->endFrame(), 14);

        const QStringList locks{QString(), QStringLiteral("Vrai"), QStringLiteral("faux"),
                                Options::Faux};
        for (int i = 0; i < locks.size(); ++i) {
            s->settings().write(Options::Configuration, Options::Verrouillage, locks[i]);
            press(main, 10);
            QCOMPARE(s.isShown(QStringLiteral("Lexique")), i == 3);
            QCOMPARE(s.messageBox->shown.size(), qMin(i + 1, 3));
            QCOMPARE(s.messageBox->shown.last().title, QStringLiteral("Lexique"));
        }

        s.registerProbe(QStringLiteral("Visu"));
        s.registerProbe(QStringLiteral("Tierce"));
        s->forms().show(QStringLiteral("Visu"));
        s->forms().show(QStringLiteral("Tierce"));
        Général& g = s->general();
        g.ModeStudio = true;
        g.EnExercice = true;
        g.NumExercice = 7;
        press(main, 13);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Visu")));
        QVERIFY(s->forms().isLoaded(QStringLiteral("Tierce")));
        QCOMPARE(g.NumExercice, 7);

        g.ModeStudio = false;
        g.Reussites = 4;
        g.Erreurs = 2;
        g.DernierSon = QStringLiteral("x.wav");
        for (int i : {0, 11, 13})
            main->commande(i)->show();
        main->motAnglais()->setCaption(QStringLiteral("bicycle"));
        main->motAnglais()->show();
        press(main, 13);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Tierce")));
        QVERIFY(s.isShown(QStringLiteral("Seconde")));
        QCOMPARE(QList<int>({g.NumExercice, g.Reussites, g.Erreurs}), QList<int>({0, 0, 0}));
        QVERIFY(!g.EnExercice);
        QVERIFY(g.DernierSon.isEmpty());
        for (int i : {0, 11, 13}) // the panel of the exercise is put away
            QVERIFY(main->commande(i)->isHidden());
        QVERIFY(main->motAnglais()->isHidden() && main->motAnglais()->caption().isEmpty());
        for (int i = 0; i <= 7; ++i)
            QVERIFY(!main->bouton(i)->isHidden());
        QVERIFY(s.form<Seconde>(QStringLiteral("Seconde"))
                    ->backgroundPath()
                    .endsWith(QStringLiteral("Brin.Jpg")));

        s->forms().unload(QStringLiteral("Inscription"));
        for (int i = 0; i <= 13; ++i)
            main->bouton(i)->show();
        QTest::mouseClick(main->bouton(13), Qt::LeftButton);
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        for (int i = 8; i <= 13; ++i)
            QVERIFY(main->bouton(i)->isHidden());
        QVERIFY(main->bouton(0)->isHidden());
        // "Retour" sets the flag, and loading the sign-in window clears it again.
        QVERIFY(!g.EnExercice);
        QCOMPARE(main->titre()->caption(), QStringLiteral("Brindel"));

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
        QCoreApplication::processEvents();
        QCOMPARE(main->data().recordSource(), Schema::Table::Quizz1);
        const QList<std::pair<int, QString>> cases{
            {0, Schema::Table::Imagier}, {4, Schema::Table::Compte}, {7, Schema::Table::Gestion}};
        for (const auto& [mode, table] : cases) {
            s->general().ModeActivite = mode;
            s->forms().show(QStringLiteral("Enfant"), FormRegistry::ShowMode::Maximised);
            QCoreApplication::processEvents();
            disturb();
            QVERIFY(s->forms().unload(QStringLiteral("Enfant")));
            QCoreApplication::processEvents();
            QCOMPARE(main->data().recordSource(), table);
            QVERIFY(!main->bouton(14)->isHidden());
        }

        // The quit question: No keeps everything, Yes removes the recording and ends.
        const QString recording = s.writeFile(QStringLiteral("enregist.tmp"), QByteArray("RIFF"));
        s.messageBox->answers = {MsgBox::No, MsgBox::Yes};
        QTest::mouseClick(main->bouton(14), Qt::LeftButton);
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QVERIFY(QFile::exists(recording));
        QVERIFY(!s.quitter->quitCalled);
        QTest::mouseClick(main->bouton(14), Qt::LeftButton);
        QVERIFY(!QFile::exists(recording));
        QVERIFY(s.quitter->quitCalled);
        QCOMPARE(s.quitter->code, 0);
    }
};

QTEST_MAIN(TestPrincipale)
#include "tst_principale.moc"
