#include "platform/HelpFile.h"

#include <QtTest>

class TestHelpFile : public QObject {
    Q_OBJECT
private slots:
    // Only a number in brackets alone at the start of a line starts a topic; a missing file
    // has none.
    void topicsAreReadWithTheirTextAndCommentsIgnored() {
        const HelpFile help = HelpFile::parse(QStringLiteral(
            "# Aide de Brindel\n[84]\n\nChoisis un exercice.\nClique dessus.\n\n[109]\r\n"
            "Clique sur une image en bas.\r\n[120]\n[66]\nRéponds [vite] !\n[abc]\n [67]\n"));
        QCOMPARE(help.topicNumbers(), (QList<int>{66, 84, 109, 120}));
        QCOMPARE(help.topic(84), QStringLiteral("Choisis un exercice.\nClique dessus."));
        QCOMPARE(help.topic(109), QStringLiteral("Clique sur une image en bas."));
        QVERIFY(help.hasTopic(120));
        QCOMPARE(help.topic(120), QString());
        QCOMPARE(help.topic(66), QStringLiteral("Réponds [vite] !\n[abc]\n [67]"));
        QVERIFY(!help.hasTopic(67));
        QVERIFY(HelpFile::load(QStringLiteral("/nonexistent/Brin.hlp")).topicNumbers().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
