#include "shell/CheminCourt.h"
#include "shell/General.h"
#include "shell/Routines.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

using TestFiles::write;

class TestRoutines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // ---- key filter ----
    // A typed double quote becomes « then », one alternation for all the fields; the other keys
    // pass unchanged.
    void typedQuotesBecomeGuillemetsAcrossEveryField() {
        Général general;
        QWidget fields;
        auto* line = new QLineEdit(&fields);
        auto* text = new QTextEdit(&fields);
        auto* combo = new QComboBox(&fields);
        combo->setEditable(true);
        FiltreTouches::installerSur(&fields, general);
        fields.show();
        QTest::keyClicks(line, QStringLiteral("\"abc\" l'eau"));
        QCOMPARE(line->text(), QStringLiteral("«abc» l'eau"));
        QTest::keyClicks(text, QStringLiteral("\"x"));
        QCOMPARE(text->toPlainText(), QStringLiteral("«x"));
        QTest::keyClicks(combo, QStringLiteral("y\""));
        QCOMPARE(combo->currentText(), QStringLiteral("y»"));
    }

    // ---- short paths ----
    // A path with spaces gets a link without any, made once and removed at quit; a path
    // without spaces is kept, a missing one gives nothing.
    void shortPathOfAPathWithSpacesNamesTheSameFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mes Documents/son du mot/k 1.wav"));
        write(path, "RIFF contents");
        const QString shortPath = CheminCourt(path);
        QVERIFY(!shortPath.contains(u' '));
        // Read through the link (an empty path would read nothing).
        QCOMPARE(TestFiles::read(shortPath), QByteArray("RIFF contents"));
        QCOMPARE(CheminCourt(path), shortPath); // the same link serves again
        const QString other = dir.filePath(QStringLiteral("mot deux.wav"));
        write(other, {});
        const QStringList links{shortPath, CheminCourt(other)};
        QVERIFY(QFileInfo(links[1]).isSymLink());
        EffacerCheminsCourts();
        for (const QString& link : links)
            QVERIFY2(!QFileInfo(link).isSymLink(), qPrintable(link));
        QVERIFY(QFile::exists(path));

        const QString plain = dir.filePath(QStringLiteral("mot.wav"));
        write(plain, {});
        QCOMPARE(CheminCourt(plain), plain);
        QCOMPARE(CheminCourt(dir.filePath(QStringLiteral("absent du dossier.wav"))), QString());
        QCOMPARE(CheminCourt(QString()), QString());
    }
};

QTEST_MAIN(TestRoutines)
#include "tst_routines.moc"
