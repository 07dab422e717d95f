#include "data/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Entry {
    QString key;
    QString value;
};

struct Section {
    QString name;
    std::vector<Entry> entries;
};

using Document = std::vector<Section>;

QString escape(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        // Only the escapes this store writes are read as such; any other backslash (a path
        // typed by hand, "C:\Brindel") is kept as it stands.
        const QChar next = text[i + 1];
        if (next == u'\\' || next == u'n' || next == u'r') {
            out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0 || a.toCaseFolded() == b.toCaseFolded();
}

Document parse(const QString& text) {
    Document document;
    const QStringList lines = text.split(u'\n');
    for (const QString& rawLine : lines) {
        const QString line = rawLine.endsWith(u'\r') ? rawLine.chopped(1) : rawLine;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            document.push_back({line.mid(1, line.size() - 2), {}});
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || document.empty())
            continue;
        document.back().entries.push_back(
            {line.left(equals), unescape(QStringView(line).mid(equals + 1))});
    }
    return document;
}

QString serialise(const Document& document) {
    QString text;
    for (const Section& section : document) {
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const Entry& entry : section.entries)
            text += entry.key + u'=' + escape(entry.value) + u'\n';
        text += u'\n';
    }
    return text;
}

Document load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

// Writes the whole file to a private temporary file beside it and renames it over the old one,
// so that a crash never leaves a half-written store and the file is never readable by others.
bool save(const QString& path, const Document& document) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QFile::setPermissions(info.absolutePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QTemporaryFile temporary(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return false;
    const QByteArray bytes = serialise(document).toUtf8();
    if (temporary.write(bytes) != bytes.size() || !temporary.flush())
        return false;
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    temporary.close();
    // rename() replaces the old file in one step: a reader sees the old store or the new one.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(info.absoluteFilePath()).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/VALIMOR Brindel/Brindel.ini");
}

QString SettingsStore::read(const QString& section, const QString& key) const {
    const Document document = load(filePath_);
    for (const Section& s : document) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry& entry : s.entries) {
            if (sameName(entry.key, key))
                return entry.value;
        }
    }
    return {};
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    // Read, change and write back under a lock beside the file, so that another window or
    // another copy of the program writing at the same moment loses none of its keys.
    const QFileInfo info(filePath_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QLockFile lock(info.absoluteFilePath() + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(10000))
        return false;
    Document document = load(filePath_);
    auto s = std::find_if(document.begin(), document.end(), [&](const Section& candidate) {
        return sameName(candidate.name, section);
    });
    if (s == document.end()) {
        document.push_back({section, {}});
        s = std::prev(document.end());
    }
    auto entry = std::find_if(s->entries.begin(), s->entries.end(),
                              [&](const Entry& candidate) { return sameName(candidate.key, key); });
    if (entry == s->entries.end())
        s->entries.push_back({key, value});
    else
        entry->value = value;
    return save(filePath_, document);
}
