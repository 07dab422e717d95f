#include "platform/HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {
QString withoutSurroundingBlankLines(QStringList lines) {
    while (!lines.isEmpty() && lines.constFirst().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}
} // namespace

HelpFile HelpFile::parse(const QString& text) {
    static const QRegularExpression topicLine(QStringLiteral("^\\[(\\d{1,9})\\]\\s*$"));
    HelpFile help;
    int current = -1;
    QStringList body;
    const auto flush = [&] {
        if (current >= 0)
            help.topics_.insert(current, withoutSurroundingBlankLines(body));
        body.clear();
    };
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QRegularExpressionMatch match = topicLine.match(line);
        if (match.hasMatch()) {
            flush();
            current = match.captured(1).toInt();
        } else if (current >= 0) {
            body << line;
        }
    }
    flush();
    return help;
}

HelpFile HelpFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}
