#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>

// Files the tests write and copy, their folders made as needed.
namespace TestFiles {

// The bytes of a file, empty when it cannot be read.
inline QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes as the file at path, which it returns; the test stops if it cannot.
inline QString write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Copies every file under `from` to the same place under `to`.
inline void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        write(to + u'/' + QDir(from).relativeFilePath(source), read(source));
    }
}

} // namespace TestFiles
