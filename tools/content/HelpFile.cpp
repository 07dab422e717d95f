#include "HelpFile.h"

#include "OutputFiles.h"

#include <QFile>
#include <QRegularExpression>

namespace HelpFile {

namespace {

template <typename T> std::optional<T> fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return std::nullopt;
}

// Drops the blank lines around a topic's text.
QString trimmedLines(QStringList lines) {
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

} // namespace

const QList<int>& screenTopics() {
    static const QList<int> topics{66,  84,  97,  109, 111, 112, 113,
                                   114, 115, 116, 117, 118, 119, 120};
    return topics;
}

std::optional<QMap<int, QString>> parse(const QString& text, QString* error) {
    static const QRegularExpression topicLine(QStringLiteral("^\\[([0-9]+)\\]\\s*$"));
    QMap<int, QString> topics;
    int current = -1;
    QStringList lines;
    auto close = [&]() -> bool {
        if (current < 0)
            return true;
        const QString body = trimmedLines(lines);
        if (body.isEmpty())
            return false;
        topics.insert(current, body);
        return true;
    };
    int number = 0;
    for (QString line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QRegularExpressionMatch match = topicLine.match(line);
        if (match.hasMatch()) {
            if (!close())
                return fail<QMap<int, QString>>(error,
                                                QStringLiteral("topic %1 is empty").arg(current));
            current = match.captured(1).toInt();
            if (topics.contains(current))
                return fail<QMap<int, QString>>(
                    error,
                    QStringLiteral("line %1: topic %2 given twice").arg(number).arg(current));
            lines.clear();
        } else if (current >= 0) {
            lines.append(line);
        } else if (!line.trimmed().isEmpty() && !line.startsWith(u'#')) {
            return fail<QMap<int, QString>>(
                error, QStringLiteral("line %1: text before the first topic").arg(number));
        }
    }
    if (!close())
        return fail<QMap<int, QString>>(error, QStringLiteral("topic %1 is empty").arg(current));
    return topics;
}

bool generate(const QString& contentFolder, const QString& programFolder, QString* error) {
    const QString source = contentFolder + QStringLiteral("/help/Brin.txt");
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(source);
        return false;
    }
    const QByteArray bytes = file.readAll();
    const std::optional<QMap<int, QString>> topics = parse(QString::fromUtf8(bytes), error);
    if (!topics)
        return false;
    for (int topic : screenTopics()) {
        if (!topics->contains(topic)) {
            if (error)
                *error = QStringLiteral("%1: topic %2 is missing").arg(source).arg(topic);
            return false;
        }
    }
    return OutputFiles::writeIfChanged(programFolder + QStringLiteral("/Brin.hlp"), bytes, error);
}

} // namespace HelpFile
