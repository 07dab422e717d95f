#pragma once

#include "shell/Contexte.h"
#include "support/FakeAudio.h"
#include "support/Fakes.h"

#include <QTemporaryDir>
#include <memory>

// A context for one test: a fresh temporary program folder and settings file, and fakes for
// every platform service, reachable through the typed pointers below.
class TestContexte {
public:
    TestContexte();
    ~TestContexte();

    Contexte& operator*() { return *contexte; }
    Contexte* operator->() { return contexte.get(); }

    QString programFolder() const { return folder.filePath(QStringLiteral("programme")); }
    // Writes a file under the program folder (relative path with slashes).
    QString writeFile(const QString& relativePath, const QByteArray& bytes);
    // Writes a small valid JPEG picture under the program folder.
    QString writePicture(const QString& relativePath, QSize size);

    QTemporaryDir folder;
    FakeMessageBox* messageBox;
    FakeFileDialog* fileDialog;
    FakeHelp* help;
    FakeInstanceDetector* instance;
    FakeScreen* screen;
    FakeClock* clock;
    FakeRandom* random;
    FakeQuitter* quitter;
    FakeAudioSystem* audio;
    FakeShellOpen* shellOpen;
    FakePrinter* printer;
    std::unique_ptr<Contexte> contexte;
};
