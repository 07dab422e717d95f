#pragma once

#include "platform/Platform.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Records every box shown and answers from a script. With no scripted answer left, a box is
// answered with its default button.
class FakeMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        int flags;
        QString title;
    };
    int show(const QString& text, int flags, const QString& title) override;

    QList<Shown> shown;
    QList<int> answers;
};

class FakeFileDialog : public FileDialog {
public:
    QString openFile(QWidget* owner, const OpenFileRequest& request) override;

    QList<OpenFileRequest> requests;
    QList<QString> answers; // an empty text answers "cancel"
};

// Records the help topics and windows asked for.
class FakeHelp : public Help {
public:
    void setHelpFile(const QString& path) override { helpFile = path; }
    void showTopicPopup(int topic, QWidget* near) override { popups.append({topic, near}); }
    void showContents(QWidget*) override { ++contentsShown; }
    void showIndex(QWidget*) override { ++indexShown; }

    struct Popup {
        int topic;
        QWidget* near;
    };
    QString helpFile;
    QList<Popup> popups;
    int contentsShown = 0;
    int indexShown = 0;
};

class FakeInstanceDetector : public InstanceDetector {
public:
    bool anotherInstanceRunning() override { return running; }
    bool running = false;
};

class FakeScreen : public ScreenInfo {
public:
    int logicalDpiX() override { return dpi; }
    QSize screenSize() override { return size; }
    int dpi = 96;
    QSize size{1024, 768};
};

class FakeClock : public Clock {
public:
    double secondsOfDay() override { return seconds; }
    qint64 monotonicMs() override { return ms; }
    void advance(qint64 milliseconds) {
        ms += milliseconds;
        seconds += milliseconds / 1000.0;
    }
    double seconds = 36000.0;
    qint64 ms = 0;
};

// Returns the scripted values in turn, starting again at the first when they run out.
class FakeRandom : public Random {
public:
    void randomize() override {}
    double rnd() override { return values.isEmpty() ? 0.0 : values.at(next++ % values.size()); }
    QList<double> values{0.5};
    int next = 0;
};

class FakeQuitter : public Quitter {
public:
    void quit(int exitCode) override {
        quitCalled = true;
        code = exitCode;
    }
    bool quitCalled = false;
    int code = -1;
};

// Records the addresses handed to the desktop's handlers.
class FakeShellOpen : public ShellOpen {
public:
    void open(const QString& address, QWidget*) override { opened.append(address); }
    QList<QString> opened;
};

// Keeps every page handed to the printer and answers with the scripted outcome.
class FakePrinter : public Printer {
public:
    struct Page {
        QImage image;
        QString documentName;
    };
    PrintOutcome printPage(const QImage& page, const QString& documentName) override {
        pages.append({page, documentName});
        return outcome;
    }
    QList<Page> pages;
    PrintOutcome outcome{PrintOutcome::Status::Printed, {}, {}};
};
