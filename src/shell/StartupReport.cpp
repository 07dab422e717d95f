#include "shell/StartupReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <unistd.h>

namespace StartupReport {

namespace {
// Seconds since the process started, from the kernel's own record of its start.
double secondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may hold spaces) start after the last ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startedAfterBoot = fields.at(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return now - startedAfterBoot;
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void write(const QString& path) {
    QFile report(path);
    if (report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        report.write(QStringLiteral("startup_ms=%1 rss_kb=%2\n")
                         .arg(qRound(secondsSinceProcessStart() * 1000))
                         .arg(residentKilobytes())
                         .toUtf8());
    if (qEnvironmentVariable("BRINDEL_STARTUP_REPORT_QUIT") == QStringLiteral("1"))
        QCoreApplication::exit(0);
}
} // namespace

void signInShown() {
    static bool reported = false;
    const QString path = qEnvironmentVariable("BRINDEL_STARTUP_REPORT");
    if (reported || path.isEmpty())
        return;
    reported = true;
    // Queued twice: after the window is shown and after its first paint has been processed.
    QTimer::singleShot(0, qApp, [path] { QTimer::singleShot(0, qApp, [path] { write(path); }); });
}

} // namespace StartupReport
