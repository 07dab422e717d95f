// Generates the sample classroom content of the program folder from the sources in content/.
// Usage: brindel-content <content folder> <program folder>
#include "ContentCache.h"
#include "ContentDatabase.h"
#include "Effects.h"
#include "HelpFile.h"
#include "PictureSteps.h"
#include "Pictures.h"
#include "SpokenTexts.h"
#include "WebPages.h"

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
    const QString contentFolder = arguments.at(1);
    const QString programFolder = arguments.at(2);
    ContentCache cache(programFolder);
    QString error;
    if (!Pictures::writeSplash(programFolder + QStringLiteral("/Bitmap/splash.jpg"))) {
        err << "cannot write the splash picture\n";
        return 1;
    }
    if (!ContentDatabase::generate(contentFolder, programFolder, cache, &error)) {
        err << "database: " << error << '\n';
        return 1;
    }
    if (!SpokenTexts::generate(contentFolder, cache, &error)) {
        err << "spoken texts: " << error << '\n';
        return 1;
    }
    if (!Effects::generate(programFolder, &error)) {
        err << "sound effects: " << error << '\n';
        return 1;
    }
    if (!HelpFile::generate(contentFolder, programFolder, &error)) {
        err << "help file: " << error << '\n';
        return 1;
    }
    if (!WebPages::generate(contentFolder, programFolder, &error)) {
        err << "web pages: " << error << '\n';
        return 1;
    }
    bool ok = true;
    ok &= PictureSteps::spokenWords(contentFolder, programFolder, cache, err);
    ok &= PictureSteps::exercisePictures(programFolder, cache, err);
    ok &= PictureSteps::menuPictures(programFolder, cache, err);
    ok &= PictureSteps::resultPictures(programFolder, cache, err);
    ok &= PictureSteps::puzzlePictures(programFolder, cache, err);
    ok &= PictureSteps::teacherVideo(programFolder, cache, err);
    return ok ? 0 : 1;
}
