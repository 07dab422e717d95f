#include "platform/InstanceDetector.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

class TestInstance : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString lockPath() const { return dir_.filePath(QStringLiteral("brindel.lock")); }

private slots:
    // A copy that crashed leaves its lock behind, which does not stay stuck: the next copy is
    // the first, and a second one sees it until it ends.
    void firstCopySeesNoOtherEvenAfterACrashAndSecondSeesTheFirstUntilItEnds() {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // The child takes the lock and dies without releasing it, as a crash would.
            QLockFile lock(lockPath());
            _exit(lock.tryLock(0) ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(lockPath()));
        {
            LockFileInstanceDetector first(lockPath());
            QVERIFY(!first.anotherInstanceRunning());
            QVERIFY(!first.anotherInstanceRunning()); // asking again does not change the answer
            {
                LockFileInstanceDetector second(lockPath());
                QVERIFY(second.anotherInstanceRunning());
            }
            // The second copy going away leaves the first one's lock in place.
            LockFileInstanceDetector third(lockPath());
            QVERIFY(third.anotherInstanceRunning());
        }
        LockFileInstanceDetector next(lockPath());
        QVERIFY(!next.anotherInstanceRunning());
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
