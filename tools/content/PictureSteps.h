#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class ContentCache;
class QImage;
class QTextStream;

// The picture side of the classroom content: spoken words of the picture exercises, exercise
// pictures with their highlight pictures and hotspot files, menus and backgrounds, results and
// rewards, puzzles and rhyme illustrations, and the teacher animation. Each step makes only the
// files whose sources changed (ContentCache) and reports failures on err.
namespace PictureSteps {
bool spokenWords(const QString& contentFolder, const QString& programFolder, ContentCache& cache,
                 QTextStream& err);
bool exercisePictures(const QString& programFolder, ContentCache& cache, QTextStream& err);
bool menuPictures(const QString& programFolder, ContentCache& cache, QTextStream& err);
bool resultPictures(const QString& programFolder, ContentCache& cache, QTextStream& err);
bool puzzlePictures(const QString& programFolder, ContentCache& cache, QTextStream& err);
bool teacherVideo(const QString& programFolder, ContentCache& cache, QTextStream& err);

// Shared by the steps: the generator's own fingerprint (pictures are made by its code), and a
// picture file written unless up to date. The format follows the name (.Jpg, .Bmp).
QByteArray generatorFingerprint();
bool producePicture(ContentCache& cache, const QString& relativePath, const QString& what,
                    const std::function<QImage()>& paint, QTextStream& err);
bool produceFile(ContentCache& cache, const QString& relativePath, const QString& what,
                 const std::function<QByteArray()>& make, QTextStream& err);
} // namespace PictureSteps
