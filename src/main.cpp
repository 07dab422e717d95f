#include "shell/Main.h"
#include "periphery/BrowserEngine.h"
#include "platform/ProgramFolder.h"
#include "platform/RealPlatform.h"
#include "shell/Contexte.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    BrowserEngine::prepare();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VALIMOR Brindel"));
    QApplication::setQuitOnLastWindowClosed(true);
    // The whole interface is in French, the standard dialogs included.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    Contexte contexte(makeRealPlatform(), SettingsStore(), ProgramFolder::locate());
    registerForms(contexte);
    if (!Main(contexte))
        return 0;
    return QApplication::exec();
}
