#pragma once

#include "core/platform/services.h"

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

// Ends the process the ordinary way: the lock goes at once, so a new copy
// may start, then the event loop ends and main returns 0, running every
// destructor and exit handler on the way out.
class ExitProcess : public ProcessEnd
{
public:
    explicit ExitProcess(InstanceLock &lock) : m_lock(lock) {}
    void endProcess() override;
    // Asked for before the event loop runs, the end is main's to make.
    bool ended() const { return m_ended; }

private:
    InstanceLock &m_lock;
    bool m_ended = false;
};

} // namespace tavrisk
