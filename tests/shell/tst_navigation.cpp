#include "shell/Navigation.h"

#include <QtTest>

using Navigation::Situation;

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void consigneTopicFollowsTheScreen_data() {
        QTest::addColumn<bool>("buttons");
        QTest::addColumn<bool>("listPicture");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("action");
        QTest::addColumn<int>("exercise");
        QTest::addColumn<int>("topic");
        QTest::newRow("menu with list picture") << true << true << 0 << false << 0 << 84;
        QTest::newRow("menu without list picture") << true << false << 3 << false << 0 << 109;
        QTest::newRow("menu before any family") << true << false << 10 << false << 0 << 109;
        QTest::newRow("theme picture, action shown") << false << false << 0 << true << 5 << 111;
        QTest::newRow("theme question phase") << false << false << 0 << false << 5 << 112;
        QTest::newRow("opposition 1 question phase") << false << false << 0 << false << 17 << 120;
        QTest::newRow("opposition 2 question phase") << false << false << 0 << false << 18 << 120;
        QTest::newRow("opposition 1 before action") << false << false << 0 << true << 17 << 111;
        QTest::newRow("second list, action shown") << false << false << 1 << true << 13 << 113;
        QTest::newRow("second list, action hidden") << false << false << 1 << false << 13 << 114;
        QTest::newRow("repere") << false << false << 2 << true << 19 << 115;
        QTest::newRow("distingue") << false << false << 3 << false << 29 << 116;
        QTest::newRow("ecris") << false << false << 4 << false << 39 << 117;
        QTest::newRow("comptine") << false << false << 5 << false << 49 << 118;
        QTest::newRow("quiz") << false << false << 7 << true << 60 << 66;
        QTest::newRow("web visit, buttons hidden") << false << false << 6 << false << 59 << 0;
        QTest::newRow("web visit, buttons shown") << true << false << 6 << false << 59 << 0;
        QTest::newRow("no family") << false << false << 10 << false << 0 << 0;
    }
    void consigneTopicFollowsTheScreen() {
        QFETCH(bool, buttons);
        QFETCH(bool, listPicture);
        QFETCH(int, mode);
        QFETCH(bool, action);
        QFETCH(int, exercise);
        QFETCH(int, topic);
        QCOMPARE(Navigation::consigneTopic(Situation{buttons, listPicture, mode, action, exercise}),
                 topic);
    }

    void quizCountsTheTeachersTableOnlyOnExactlyFaux() {
        QCOMPARE(Navigation::quizTable(QStringLiteral("Faux")), QStringLiteral("Quizz2"));
        QCOMPARE(Navigation::quizTable(QStringLiteral("Vrai")), QStringLiteral("Quizz1"));
        QCOMPARE(Navigation::quizTable(QStringLiteral("faux")), QStringLiteral("Quizz1"));
        QCOMPARE(Navigation::quizTable(QString()), QStringLiteral("Quizz1"));
    }

    void quizRefusalHasItsFourLines() {
        const QStringList lines = Navigation::quizRefusalMessage().split(u'\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1], QStringLiteral(" un minimum de 10 enregistrements."));
        QCOMPARE(lines[3], QStringLiteral("Retournez dans la partie \"Gestion\" de Brindel."));
    }

    void activityFamiliesNameTheirPictures() {
        QCOMPARE(Navigation::activityFamily(4)->title, QStringLiteral("Ecoute et écris"));
        QCOMPARE(Navigation::activityFamily(4)->listPicture,
                 QStringLiteral("\\Bitmap\\HEcris.Jpg"));
        QCOMPARE(Navigation::activityFamily(2)->hotspotFile,
                 QStringLiteral("\\Hotspot\\repere.hsp"));
        QVERIFY(Navigation::activityFamily(1)->showsWordLabel);
        QVERIFY(!Navigation::activityFamily(5)->showsWordLabel);
        QVERIFY(!Navigation::activityFamily(6));
        QVERIFY(!Navigation::activityFamily(7));
        QVERIFY(!Navigation::activityFamily(-1));
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
