#include "shell/Main.h"
#include "platform/ProgramFolder.h"
#include "platform/RealPlatform.h"
#include "shell/Contexte.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VALIMOR Brindel"));
    QApplication::setQuitOnLastWindowClosed(true);

    Contexte contexte(makeRealPlatform(), SettingsStore(), ProgramFolder::locate());
    registerForms(contexte);
    if (!Main(contexte))
        return 0;
    return QApplication::exec();
}
