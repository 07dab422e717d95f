#include "shell/Accueil.h"
#include "shell/FormRegistry.h"
#include "shell/Main.h"
#include "shell/Principale.h"
#include "shell/StartupChecks.h"
#include "support/Scenario.h"

#include <QtTest>

using namespace StartupChecks;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
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

    void onlyExactlyNinetySixPixelsPerInchIsAccepted() {
        FakeScreen screen;
        for (const int dpi : {95, 96, 97, 120}) {
            screen.dpi = dpi;
            QCOMPARE(PetitesPolices(screen), dpi == 96);
        }
    }

    void splashIsCentredFivePixelsLeftOfCentre() {
        // Even sizes are the splash window test's. Odd sizes: each halving drops the remainder in
        // twips, then the conversion does.
        QCOMPARE(splashPosition(QSize(1000, 700), QSize(333, 222)), QPoint(333 - 5, 239));
        // A splash larger than the screen: the division truncates towards zero.
        QCOMPARE(splashPosition(QSize(800, 600), QSize(801, 601)), QPoint(0 - 5, 0));
    }

    // With no other copy nothing is asked; the splash shows on top where its position rules put
    // it, and its activation loads the main window, which unloads it.
    void noOtherCopyShowsTheSplashWhoseActivationLoadsTheMainWindow() {
        Scenario t;
        t.writePicture(QStringLiteral("Bitmap/splash.jpg"), QSize(400, 300));
        QVERIFY(Main(*t));
        QVERIFY(t.messageBox->shown.isEmpty());
        auto* splash = qobject_cast<Accueil*>(t->forms().find(QStringLiteral("Accueil")));
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash->size(), QSize(400, 300));
        QCOMPARE(splash->pos(), QPoint(312 - 5, 234));
        QTRY_VERIFY(t->forms().isLoaded(QStringLiteral("Principale")));
        auto* main = t->forms().get<Principale>(QStringLiteral("Principale"));
        QVERIFY(main->isVisible());
        QVERIFY(main->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(main->geometry(), QRect(QPoint(0, 0), t.screen->size));
        QVERIFY(!t->forms().isLoaded(QStringLiteral("Accueil")));
        QVERIFY(!t.quitter->quitCalled);
        QVERIFY(t.isShown(QStringLiteral("Inscription")));
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
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
