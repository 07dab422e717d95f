#include "shell/StartupReport.h"

#include "platform/ProcessInfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

namespace StartupReport {

namespace {
long firstWindowMs = -1;

void write(const QString& path) {
    QFile report(path);
    if (report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        report.write(QStringLiteral("startup_ms=%1 first_window_ms=%2 rss_kb=%3\n")
                         .arg(ProcessInfo::millisecondsSinceStart())
                         .arg(firstWindowMs)
                         .arg(ProcessInfo::residentKilobytes())
                         .toUtf8());
    if (qEnvironmentVariable("BRINDEL_STARTUP_REPORT_QUIT") == QStringLiteral("1"))
        QCoreApplication::exit(0);
}
} // namespace

void firstWindowPainted() {
    if (firstWindowMs < 0)
        firstWindowMs = ProcessInfo::millisecondsSinceStart();
}

void signInShown() {
    static bool reported = false;
    const QString path = qEnvironmentVariable("BRINDEL_STARTUP_REPORT");
    if (reported || path.isEmpty())
        return;
    reported = true;
    // Queued twice: after the window is shown and after its first paint has been processed.
    QTimer::singleShot(0, qApp, [path] { QTimer::singleShot(0, qApp, [path] { write(path); }); });
}

void signedIn(const QString& name) {
    const QString path = qEnvironmentVariable("BRINDEL_STARTUP_REPORT");
    QFile report(path);
    if (!path.isEmpty() && report.open(QIODevice::WriteOnly | QIODevice::Append))
        report.write(QStringLiteral("signed_in=%1\n").arg(name).toUtf8());
}

} // namespace StartupReport
