#include "ContentCache.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString RecordName = QStringLiteral(".content-cache");
}

ContentCache::ContentCache(QString programFolder) : folder_(std::move(programFolder)) {
    QFile file(path(RecordName));
    if (!file.open(QIODevice::ReadOnly))
        return;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            entries_.insert(QString::fromUtf8(line.mid(tab + 1)), line.left(tab));
    }
}

ContentCache::~ContentCache() {
    save();
}

bool ContentCache::upToDate(const QString& relativePath, const QByteArray& fingerprint) const {
    return entries_.value(relativePath) == fingerprint && QFileInfo::exists(path(relativePath));
}

void ContentCache::record(const QString& relativePath, const QByteArray& fingerprint) {
    entries_.insert(relativePath, fingerprint);
    dirty_ = true;
}

void ContentCache::save() {
    if (!dirty_)
        return;
    QSaveFile file(path(RecordName));
    if (!file.open(QIODevice::WriteOnly))
        return;
    // Sorted, so that the same content always leaves the same record.
    QStringList names = entries_.keys();
    names.sort();
    for (const QString& name : names)
        file.write(entries_.value(name) + '\t' + name.toUtf8() + '\n');
    if (file.commit())
        dirty_ = false;
}

QByteArray ContentCache::fingerprint(std::initializer_list<QByteArray> parts) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray& part : parts) {
        hash.addData(QByteArray::number(part.size()) + ':');
        hash.addData(part);
    }
    return hash.result().toHex().left(32);
}

QByteArray ContentCache::fileFingerprint(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex().left(32);
}
