#include "PictureSteps.h"

#include "ContentCache.h"
#include "Hotspots.h"
#include "SceneRender.h"
#include "Scenes.h"
#include "Speech.h"
#include "WordLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>

#include <atomic>
#include <thread>

namespace PictureSteps {

QByteArray generatorFingerprint() {
    static const QByteArray fingerprint =
        ContentCache::fileFingerprint(QCoreApplication::applicationFilePath());
    return fingerprint;
}

bool produceFile(ContentCache& cache, const QString& relativePath, const QString& what,
                 const std::function<QByteArray()>& make, QTextStream& err) {
    const QByteArray fingerprint =
        ContentCache::fingerprint({generatorFingerprint(), what.toUtf8()});
    if (cache.upToDate(relativePath, fingerprint))
        return true;
    const QByteArray bytes = make();
    const QString path = cache.path(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        err << "cannot write " << path << '\n';
        return false;
    }
    cache.record(relativePath, fingerprint);
    return true;
}

bool producePicture(ContentCache& cache, const QString& relativePath, const QString& what,
                    const std::function<QImage()>& paint, QTextStream& err) {
    const QByteArray fingerprint =
        ContentCache::fingerprint({generatorFingerprint(), what.toUtf8()});
    if (cache.upToDate(relativePath, fingerprint))
        return true;
    const QString path = cache.path(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool bitmap = relativePath.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    QImage image = paint();
    if (bitmap)
        image = image.convertToFormat(QImage::Format_RGB888);
    if (!image.save(path, bitmap ? "BMP" : "JPG", 90)) {
        err << "cannot write the picture " << path << '\n';
        return false;
    }
    cache.record(relativePath, fingerprint);
    return true;
}

namespace {

struct SpokenFile {
    QString relativePath;
    QString text;
    QByteArray fingerprint;
};

// The speech settings are part of every spoken file's fingerprint.
const QByteArray SpeechRecipe = "espeak-ng en-gb 125 wpm gap 4; sox 11025 Hz u8 mono";

// Speaks the files on two workers (the synthesiser runs as a separate process).
bool speakAll(const std::vector<SpokenFile>& files, ContentCache& cache, QTextStream& err) {
    std::vector<QString> failures(files.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            QString error;
            if (!Speech::synthesise(files[i].text, cache.path(files[i].relativePath), &error))
                failures[i] = error.isEmpty() ? QStringLiteral("speech failed") : error;
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();
    bool ok = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (failures[i].isEmpty()) {
            cache.record(files[i].relativePath, files[i].fingerprint);
            continue;
        }
        err << files[i].relativePath << ": " << failures[i] << '\n';
        ok = false;
    }
    return ok;
}

} // namespace

bool spokenWords(const QString& contentFolder, const QString& programFolder, ContentCache& cache,
                 QTextStream& err) {
    QDir().mkpath(programFolder + QStringLiteral("/MciLangue"));
    std::vector<SpokenFile> toSpeak;
    for (const Scene& scene : Scenes::all()) {
        QString error;
        const auto words = WordLists::read(contentFolder + QStringLiteral("/words/") +
                                               scene.colonne + QStringLiteral(".tsv"),
                                           &error);
        if (!words) {
            err << error << '\n';
            return false;
        }
        for (const WordLists::Word& word : *words) {
            const QString relativePath =
                QStringLiteral("MciLangue/") + scene.colonne + word.key + QStringLiteral(".wav");
            const QByteArray fingerprint =
                ContentCache::fingerprint({SpeechRecipe, word.english.toUtf8()});
            if (!cache.upToDate(relativePath, fingerprint))
                toSpeak.push_back({relativePath, word.english, fingerprint});
        }
    }
    return speakAll(toSpeak, cache, err);
}

bool exercisePictures(const QString& programFolder, ContentCache& cache, QTextStream& err) {
    Q_UNUSED(programFolder);
    bool ok = true;
    for (const Scene& scene : Scenes::all()) {
        const QString& name = scene.colonne;
        ok &= producePicture(
            cache, QStringLiteral("Bitmap/%1.Jpg").arg(name), name,
            [&] { return SceneRender::picture(scene); }, err);
        ok &= producePicture(
            cache, QStringLiteral("Bitmap/H%1.Jpg").arg(name), name,
            [&] { return SceneRender::highlight(scene); }, err);
        const QString comment = scene.title + QStringLiteral(": hotspots follow the word buttons");
        ok &= produceFile(
            cache, QStringLiteral("Hotspot/%1.hsp").arg(name), name,
            [&] {
                return Hotspots::format(Scenes::PictureSize, Hotspots::ofScene(scene), comment);
            },
            err);
        if (scene.questionHotspotFile.isEmpty())
            continue;
        ok &= produceFile(
            cache, QStringLiteral("Hotspot/%1.hsp").arg(scene.questionHotspotFile), name,
            [&] {
                return Hotspots::format(Scenes::PictureSize, Hotspots::ofScene(scene, true),
                                        scene.title +
                                            QStringLiteral(": question phase, drawings only"));
            },
            err);
    }
    return ok;
}

} // namespace PictureSteps
