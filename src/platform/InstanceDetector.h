#pragma once

#include <QString>
#include <memory>

class QLockFile;

class InstanceDetector {
public:
    virtual ~InstanceDetector() = default;
    // True when another copy of the program is already running for this user.
    virtual bool anotherInstanceRunning() = 0;
};

// Detects a running copy through a lock file held for the program's lifetime. The lock records
// the holder's process id, so the lock of a copy that crashed is recognised as stale and taken
// over.
class LockFileInstanceDetector : public InstanceDetector {
public:
    explicit LockFileInstanceDetector(const QString& lockPath = defaultLockPath());
    ~LockFileInstanceDetector() override;
    bool anotherInstanceRunning() override;

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
    bool checked_ = false;
    bool otherRunning_ = false;
};
