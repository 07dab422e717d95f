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

    static void prepare(TestContexte& t) {
        t.writePicture(QStringLiteral("Bitmap/splash.jpg"), QSize(400, 300));
        registerForms(*t);
    }

private slots:
    void instanceQuestionComesBeforeTheFontCheckAndNoEndsAtOnce() {
        TestContexte t;
        prepare(t);
        t.instance->running = true;
        t.screen->dpi = 120;
        t.messageBox->answers = {MsgBox::No};
        QVERIFY(!Main(*t));
        QCOMPARE(t.messageBox->shown.size(), 1);
        QCOMPARE(t.messageBox->shown[0].text, InstanceQuestion);
        QCOMPARE(t.messageBox->shown[0].flags, 36);
        QCOMPARE(t.messageBox->shown[0].title, QStringLiteral("VALIMOR Brindel"));
        QVERIFY(!t->forms().isLoaded(QStringLiteral("Accueil")));
    }

    void largeFontsEndTheProgramEvenAfterYes() {
        TestContexte t;
        prepare(t);
        t.instance->running = true;
        t.screen->dpi = 120;
        t.messageBox->answers = {MsgBox::Yes};
        QVERIFY(!Main(*t));
        QCOMPARE(t.messageBox->shown.size(), 2);
        const auto& font = t.messageBox->shown[1];
        QCOMPARE(font.title, QStringLiteral("CD Rom"));
        QCOMPARE(font.flags, 64);
        QCOMPARE(font.text.split(u'\n').size(), 8);
        QCOMPARE(font.text,
                 QStringLiteral("Brindel ne peut pas fonctionner en grandes polices\n"
                                "Pour modifier les propriétés d'affichage, cliquer sur :\n"
                                "1) Démarrer\n2) Paramètres -> Panneau de configuration\n"
                                "3) Affichage\n4) Configuration\n5) Propriétés avancées\n"
                                "6) Petites polices"));
        QVERIFY(!t->forms().isLoaded(QStringLiteral("Accueil")));
    }

    void onlyExactlyNinetySixPixelsPerInchIsAccepted_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("96") << 96 << true;
        QTest::newRow("95") << 95 << false;
        QTest::newRow("97") << 97 << false;
        QTest::newRow("120") << 120 << false;
        QTest::newRow("144") << 144 << false;
    }
    void onlyExactlyNinetySixPixelsPerInchIsAccepted() {
        QFETCH(int, dpi);
        QFETCH(bool, accepted);
        FakeScreen screen;
        screen.dpi = dpi;
        QCOMPARE(PetitesPolices(screen), accepted);
    }

    void splashIsCentredFivePixelsLeftOfCentre() {
        QCOMPARE(splashPosition(QSize(1024, 768), QSize(400, 300)), QPoint(312 - 5, 234));
        // Odd sizes: each halving drops the remainder in twips, then the conversion does.
        QCOMPARE(splashPosition(QSize(1000, 700), QSize(333, 222)), QPoint(333 - 5, 239));
        // A splash larger than the screen: the division truncates towards zero.
        QCOMPARE(splashPosition(QSize(800, 600), QSize(801, 601)), QPoint(0 - 5, 0));
    }

    void noOtherCopyAsksNothingAndShowsTheSplashOnTop() {
        TestContexte t;
        prepare(t);
        QVERIFY(Main(*t));
        QVERIFY(t.messageBox->shown.isEmpty());
        auto* splash = qobject_cast<Accueil*>(t->forms().find(QStringLiteral("Accueil")));
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash->size(), QSize(400, 300));
        QCOMPARE(splash->pos(), QPoint(312 - 5, 234));
    }

    void splashActivationLoadsTheMainWindowWhichUnloadsTheSplash() {
        Scenario t;
        t.writePicture(QStringLiteral("Bitmap/splash.jpg"), QSize(400, 300));
        QVERIFY(Main(*t));
        QTRY_VERIFY(t->forms().isLoaded(QStringLiteral("Principale")));
        auto* main = t->forms().get<Principale>(QStringLiteral("Principale"));
        QVERIFY(main->isVisible());
        QVERIFY(main->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(main->geometry(), QRect(QPoint(0, 0), t.screen->size));
        QVERIFY(!t->forms().isLoaded(QStringLiteral("Accueil")));
        QVERIFY(!t.quitter->quitCalled);
        QVERIFY(t.isShown(QStringLiteral("Inscription")));
    }

    void missingSplashPictureEndsWithAMessageNamingTheFile() {
        TestContexte t;
        registerForms(*t);
        QVERIFY(!Main(*t));
        QCOMPARE(t.messageBox->shown.size(), 1);
        QVERIFY(t.messageBox->shown[0].text.contains(QStringLiteral("Bitmap/splash.jpg")));
        QVERIFY(t.messageBox->shown[0].text.contains(QStringLiteral("image d'accueil")));
        QCOMPARE(MsgBox::icon(t.messageBox->shown[0].flags), MsgBox::Critical);
    }

    void unreadableSplashPictureEndsWithAMessage() {
        TestContexte t;
        t.writeFile(QStringLiteral("Bitmap/Splash.JPG"), QByteArray("not a picture at all"));
        registerForms(*t);
        QVERIFY(!Main(*t));
        QCOMPARE(t.messageBox->shown.size(), 1);
        QVERIFY(t.messageBox->shown[0].text.contains(QStringLiteral("Bitmap/Splash.JPG")));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
