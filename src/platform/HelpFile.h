#pragma once

#include <QMap>
#include <QString>

// The program's help file: numbered topics of French text. A line "[N]" starts topic N; the lines
// after it, up to the next topic line, are its text. Lines starting with '#' before the first
// topic are comments.
class HelpFile {
public:
    HelpFile() = default;
    static HelpFile parse(const QString& text);
    // Reads the file; a missing or unreadable file gives a help file without topics.
    static HelpFile load(const QString& path);

    bool hasTopic(int topic) const { return topics_.contains(topic); }
    QString topic(int topic) const { return topics_.value(topic); }
    QList<int> topicNumbers() const { return topics_.keys(); }

private:
    QMap<int, QString> topics_;
};
