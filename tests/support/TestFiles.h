#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

// Files the tests write and copy, their folders made as needed.
namespace TestFiles {

// The bytes of a file, empty when it cannot be read.
inline QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
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
