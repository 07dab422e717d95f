#include "support/TestContexte.h"

#include "Video.h"
#include "support/TestFiles.h"

#include <QImage>

namespace {

template <class Fake, class Interface> Fake* plug(std::unique_ptr<Interface>& slot) {
    auto fake = std::make_unique<Fake>();
    Fake* raw = fake.get();
    slot = std::move(fake);
    return raw;
}
} // namespace

TestContexte::TestContexte() {
    Platform platform;
    messageBox = plug<FakeMessageBox>(platform.messageBox);
    fileDialog = plug<FakeFileDialog>(platform.fileDialog);
    help = plug<FakeHelp>(platform.help);
    instance = plug<FakeInstanceDetector>(platform.instanceDetector);
    screen = plug<FakeScreen>(platform.screen);
    clock = plug<FakeClock>(platform.clock);
    random = plug<FakeRandom>(platform.random);
    quitter = plug<FakeQuitter>(platform.quitter);
    audio = plug<FakeAudioSystem>(platform.audio);
    shellOpen = plug<FakeShellOpen>(platform.shellOpen);
    printer = plug<FakePrinter>(platform.printer);
    QDir().mkpath(programFolder());
    const QString settings = folder.filePath(QStringLiteral("config/VALIMOR Brindel/Brindel.ini"));
    contexte =
        std::make_unique<Contexte>(std::move(platform), SettingsStore(settings), programFolder());
    contexte->setUserDataFolder(folder.filePath(QStringLiteral("donnees")));
}

TestContexte::~TestContexte() = default;

QString TestContexte::writeFile(const QString& relativePath, const QByteArray& bytes) {
    return TestFiles::write(programFolder() + u'/' + relativePath, bytes);
}

QString TestContexte::writePicture(const QString& relativePath, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return writeFile(relativePath, Video::jpeg(image));
}
