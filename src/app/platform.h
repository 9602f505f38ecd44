#pragma once

#include "app/services.h"

// Platform services that need no windows.
namespace tavrisk {

class SystemClock : public Clock
{
public:
    QDate today() const override;
    QLocale locale() const override;
};

// One lock per user and application name, held by the operating system for
// the life of the process: an advisory lock on a file in the user's runtime
// folder (a named mutex on Windows). The system drops it the moment the
// process ends, however it ends, and only one process can take it.
class LockFileInstance : public InstanceLock
{
public:
    explicit LockFileInstance(QString applicationName);
    ~LockFileInstance() override;
    static QString lockPath(const QString &applicationName);
    bool acquire() override;
    void release() override;

private:
    void unlock();
    QString m_name;
#ifdef Q_OS_WIN
    void *m_mutex = nullptr;
#else
    int m_fd = -1;
#endif
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
