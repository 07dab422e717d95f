#pragma once

#include <QList>
#include <QMap>
#include <QString>

// The help file \Brin.hlp: topics written as "[N]" lines followed by their text, made from
// content/help/Brin.txt (same format) after checking that every screen topic is there.
namespace HelpFile {

// The topics the "Consigne" button and the program's help ask for.
const QList<int>& screenTopics();

// The topics of a help text, by number (leading and trailing blank lines dropped). Fails on a
// topic given twice, an empty topic, or text before the first topic that is not a comment.
std::optional<QMap<int, QString>> parse(const QString& text, QString* error);

// Checks content/help/Brin.txt and writes programFolder/Brin.hlp.
bool generate(const QString& contentFolder, const QString& programFolder, QString* error);

} // namespace HelpFile
