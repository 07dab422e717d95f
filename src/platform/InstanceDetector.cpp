#include "platform/InstanceDetector.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

LockFileInstanceDetector::LockFileInstanceDetector(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
    // Age alone never makes a lock stale: only a holder that no longer runs does.
    lock_->setStaleLockTime(0);
}

LockFileInstanceDetector::~LockFileInstanceDetector() = default;

bool LockFileInstanceDetector::anotherInstanceRunning() {
    if (!checked_) {
        checked_ = true;
        otherRunning_ = !lock_->tryLock(0);
    }
    return otherRunning_;
}

QString LockFileInstanceDetector::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/valimor-brindel-%1.lock").arg(getuid());
}
