// The smallest Qt window, measured the way the program's start-up is: the time from the launch
// of the process to the window painted on screen, and the resident memory then, written to the
// file named by BRINDEL_STARTUP_REPORT ("first_window_ms=... rss_kb=..."). It then ends.
#include "platform/ProcessInfo.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class MinimalWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (reported_)
            return;
        reported_ = true;
        const long ms = ProcessInfo::millisecondsSinceStart();
        QTimer::singleShot(0, qApp, [ms] {
            QFile report(qEnvironmentVariable("BRINDEL_STARTUP_REPORT"));
            if (report.open(QIODevice::WriteOnly | QIODevice::Truncate))
                report.write(QStringLiteral("first_window_ms=%1 rss_kb=%2\n")
                                 .arg(ms)
                                 .arg(ProcessInfo::residentKilobytes())
                                 .toUtf8());
            QCoreApplication::exit(0);
        });
    }

private:
    bool reported_ = false;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MinimalWindow window;
    window.resize(400, 300);
    window.show();
    return app.exec();
}
