#include "platform/QtScreenInfo.h"
#include "shell/StartupChecks.h"

#include <QtTest>

// Runs with QT_FONT_DPI set to BRINDEL_EXPECTED_DPI and high-DPI scaling off: the real screen
// reading must report that resolution, and only 96 passes the check.
class TestScreen : public QObject {
    Q_OBJECT
private slots:
    void realScreenReportsTheConfiguredResolution() {
        const int expected = qEnvironmentVariableIntValue("BRINDEL_EXPECTED_DPI");
        QVERIFY(expected > 0);
        QtScreenInfo screen;
        QCOMPARE(screen.logicalDpiX(), expected);
        QCOMPARE(StartupChecks::PetitesPolices(screen), expected == 96);
        QVERIFY(screen.screenSize().isValid());
    }
};

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
