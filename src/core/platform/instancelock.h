#pragma once

#include "core/platform/services.h"

namespace tavrisk {

// One lock per user and application name, held by the operating system for
// the life of the process: an advisory lock on a file in the user's runtime
// folder (a named mutex on Windows). The system drops it the moment the
// process ends, however it ends, and only one process can take it.
class SystemInstanceLock : public InstanceLock
{
public:
    explicit SystemInstanceLock(QString applicationName);
    ~SystemInstanceLock() override;
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

} // namespace tavrisk
