#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Remembers, for each generated file, a fingerprint of the sources it was made from, so that a
// file whose sources did not change is not made again. The record lives in the program folder.
class ContentCache {
public:
    explicit ContentCache(QString programFolder);
    ~ContentCache();

    // True when the file exists and was made from sources with this fingerprint.
    bool upToDate(const QString& relativePath, const QByteArray& fingerprint) const;
    // Notes that the file was just made from sources with this fingerprint.
    void record(const QString& relativePath, const QByteArray& fingerprint);
    // Writes the record back to disk (also done on destruction).
    void save();

    QString path(const QString& relativePath) const { return folder_ + u'/' + relativePath; }

    // A fingerprint of any number of byte strings (source texts, file contents, parameters).
    static QByteArray fingerprint(std::initializer_list<QByteArray> parts);
    static QByteArray fileFingerprint(const QString& path);

    // The fingerprint last recorded under this name (empty when none), for outputs that are not
    // whole files, such as the tables of a database.
    QByteArray recorded(const QString& name) const { return entries_.value(name); }

private:
    QString folder_;
    QHash<QString, QByteArray> entries_;
    bool dirty_ = false;
};
