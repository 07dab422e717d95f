#include "Speech.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace Speech {

namespace {
bool run(const QString& program, const QStringList& arguments, QString* error) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(": ") +
                     QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}
} // namespace

bool convert(const QString& inputPath, const QString& wavPath, QString* error) {
    QDir().mkpath(QFileInfo(wavPath).absolutePath());
    // -R: repeatable dither, so that the same source always gives the same file.
    return run(QStringLiteral("sox"),
               {QStringLiteral("-R"), inputPath, QStringLiteral("-r"), QStringLiteral("11025"),
                QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"),
                QStringLiteral("8"), QStringLiteral("-e"), QStringLiteral("unsigned-integer"),
                wavPath},
               error);
}

bool synthesise(const QString& text, const QString& wavPath, QString* error) {
    QTemporaryDir scratch;
    const QString spoken = scratch.filePath(QStringLiteral("speech.wav"));
    // British English, slower than the default 175 words a minute, with a pause between words.
    if (!run(QStringLiteral("espeak-ng"),
             {QStringLiteral("-v"), QStringLiteral("en-gb"), QStringLiteral("-s"),
              QStringLiteral("125"), QStringLiteral("-g"), QStringLiteral("4"),
              QStringLiteral("-w"), spoken, text},
             error))
        return false;
    return convert(spoken, wavPath, error);
}

} // namespace Speech
