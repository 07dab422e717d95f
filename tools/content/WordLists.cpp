#include "WordLists.h"

#include <QFile>
#include <QRegularExpression>

namespace WordLists {

std::optional<std::vector<Word>> read(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    static const QRegularExpression keyPattern(QStringLiteral("^k\\d{1,2}$"));
    std::vector<Word> words;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).remove(u'\r').remove(u'\n');
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3 || !keyPattern.match(fields[0]).hasMatch() ||
            fields[1].trimmed().isEmpty() || fields[2].trimmed().isEmpty()) {
            if (error)
                *error = QStringLiteral("%1:%2: expected <key>\\t<English>\\t<French>")
                             .arg(path)
                             .arg(number);
            return std::nullopt;
        }
        words.push_back({fields[0], fields[1].trimmed(), fields[2].trimmed()});
    }
    return words;
}

} // namespace WordLists
