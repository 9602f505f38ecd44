#pragma once

#include "app/services.h"

#include <QLockFile>
#include <memory>

// Platform services that need no windows.
namespace tavrisk {

class SystemClock : public Clock
{
public:
    QDate today() const override;
    QLocale locale() const override;
};

// A lock file per user and application name in the user's runtime folder.
// A copy that dies leaves the file behind, but the lock records its process,
// and a lock whose process is gone is taken over.
class LockFileInstance : public InstanceLock
{
public:
    explicit LockFileInstance(const QString &applicationName);
    static QString lockPath(const QString &applicationName);
    bool acquire() override;
    void release() override;

private:
    std::unique_ptr<QLockFile> m_lock;
};

class ExitProcess : public ProcessEnd
{
public:
    explicit ExitProcess(InstanceLock &lock) : m_lock(lock) {}
    [[noreturn]] void endProcess() override;

private:
    InstanceLock &m_lock;
};

} // namespace tavrisk
