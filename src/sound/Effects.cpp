#include "sound/Effects.h"

#include "platform/ProgramFolder.h"
#include "shell/General.h"

#include <QFile>

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    qsizetype first = 0;
    qsizetype last = bytes.size();
    while (first < last && bytes[first] == ' ')
        ++first;
    while (last > first && bytes[last - 1] == ' ')
        --last;
    return bytes.sliced(first, last - first);
}

void loadEffectSounds(Général& general, const QString& programFolder) {
    for (int i = 0; i < int(general.EffectSounds.size()); ++i) {
        const QString media = QStringLiteral("\\Mcison\\son%1.wav").arg(i + 1);
        general.EffectSounds[i] = ReadWholeFile(ProgramFolder::resolve(programFolder, media));
    }
}
