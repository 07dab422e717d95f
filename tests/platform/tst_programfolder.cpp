#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramFolder : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    void touch(const QString& relative) {
        const QString path = dir_.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase() {
        touch(QStringLiteral("Mcison/son9.wav"));
        touch(QStringLiteral("Bitmap/Brin.Jpg"));
        touch(QStringLiteral("MciLangue/Sport/k3.wav"));
        touch(QStringLiteral("Élève/Été.txt"));
    }

    void mediaPathsInAnyCaseResolveToTheRealFile() {
        for (const auto& [mediaPath, expected] :
             {std::pair{"\\Mcison\\son9.wav", "Mcison/son9.wav"},
              {"\\mcison\\son9.wav", "Mcison/son9.wav"},
              {"\\MCISON\\SON9.WAV", "Mcison/son9.wav"},
              {"\\Bitmap\\brin.jpg", "Bitmap/Brin.Jpg"},
              {"/bitmap/BRIN.jpg", "Bitmap/Brin.Jpg"},
              {"\\mcilangue\\SPORT\\K3.wav", "MciLangue/Sport/k3.wav"},
              {"\\élève\\ÉTÉ.TXT", "Élève/Été.txt"},
              {"\\\\Bitmap\\\\Brin.Jpg", "Bitmap/Brin.Jpg"}}) {
            const QString resolved = ProgramFolder::resolve(dir_.path(), QString(mediaPath));
            QCOMPARE(resolved, dir_.filePath(expected));
            QVERIFY(QFile::exists(resolved));
        }
    }

    void missingFileKeepsItsNameInThePath() {
        QCOMPARE(ProgramFolder::resolve(dir_.path(), QStringLiteral("\\bitmap\\absent.jpg")),
                 dir_.filePath(QStringLiteral("Bitmap/absent.jpg")));
        QCOMPARE(ProgramFolder::resolve(dir_.path() + u'/', QStringLiteral("\\Nulle\\Part.wav")),
                 dir_.filePath(QStringLiteral("Nulle/Part.wav")));
    }

    void homeVariableOverridesTheExecutableFolder() {
        qputenv("BRINDEL_HOME", dir_.path().toUtf8());
        QCOMPARE(ProgramFolder::locate(), QDir::cleanPath(dir_.path()));
        qunsetenv("BRINDEL_HOME");
        QCOMPARE(ProgramFolder::locate(), QCoreApplication::applicationDirPath());
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
