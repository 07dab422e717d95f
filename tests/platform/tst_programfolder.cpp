#include "platform/ProgramFolder.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestProgramFolder : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Each folder and the file are found in any case, with or without a slash after the
    // program folder; a missing file or folder keeps the name it was asked with.
    void mediaPathsInAnyCaseResolveToTheRealFile() {
        for (const char* file :
             {"Mcison/son9.wav", "Bitmap/Brin.Jpg", "MciLangue/Sport/k3.wav", "Élève/Été.txt"})
            TestFiles::write(dir_.filePath(QString::fromUtf8(file)), {});
        for (const QString& root : {dir_.path(), dir_.path() + u'/'})
            for (const auto& [mediaPath, expected] :
                 {std::pair{"\\Mcison\\son9.wav", "Mcison/son9.wav"},
                  {"\\mcison\\son9.wav", "Mcison/son9.wav"},
                  {"\\MCISON\\SON9.WAV", "Mcison/son9.wav"},
                  {"\\Bitmap\\brin.jpg", "Bitmap/Brin.Jpg"},
                  {"/bitmap/BRIN.jpg", "Bitmap/Brin.Jpg"},
                  {"\\mcilangue\\SPORT\\K3.wav", "MciLangue/Sport/k3.wav"},
                  {"\\élève\\ÉTÉ.TXT", "Élève/Été.txt"},
                  {"\\\\Bitmap\\\\Brin.Jpg", "Bitmap/Brin.Jpg"},
                  {"\\bitmap\\absent.jpg", "Bitmap/absent.jpg"},
                  {"\\Nulle\\Part.wav", "Nulle/Part.wav"}})
                QCOMPARE(ProgramFolder::resolve(root, QString::fromUtf8(mediaPath)),
                         dir_.filePath(QString::fromUtf8(expected)));
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
