#pragma once

#include <QString>

#include <optional>
#include <vector>

// Word lists of the picture exercises (content/words/<Colonne>.tsv): "<key>\t<English>\t<French>"
// lines, '#' comments and blank lines ignored.
namespace WordLists {
struct Word {
    QString key;
    QString english;
    QString french;
};
// The words of a list, or nothing when the file cannot be read or a line is malformed (the
// reason goes to error).
std::optional<std::vector<Word>> read(const QString& path, QString* error = nullptr);
} // namespace WordLists
