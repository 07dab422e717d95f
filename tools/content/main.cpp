// Generates the sample classroom content of the program folder from the sources in content/.
// Usage: brindel-content <content folder> <program folder>
#include "ContentCache.h"
#include "PictureSteps.h"
#include "Pictures.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: brindel-content <content folder> <program folder>\n";
        return 2;
    }
    const QString programFolder = arguments.at(2);
    if (!Pictures::writeSplash(programFolder + QStringLiteral("/Bitmap/splash.jpg"))) {
        err << "cannot write the splash picture\n";
        return 1;
    }
    const QString contentFolder = arguments.at(1);
    ContentCache cache(programFolder);
    bool ok = true;
    ok &= PictureSteps::spokenWords(contentFolder, programFolder, cache, err);
    ok &= PictureSteps::exercisePictures(programFolder, cache, err);
    ok &= PictureSteps::menuPictures(programFolder, cache, err);
    ok &= PictureSteps::resultPictures(programFolder, cache, err);
    ok &= PictureSteps::puzzlePictures(programFolder, cache, err);
    ok &= PictureSteps::teacherVideo(programFolder, cache, err);
    return ok ? 0 : 1;
}
