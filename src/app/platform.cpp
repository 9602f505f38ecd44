#include "app/platform.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace tavrisk {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

QLocale SystemClock::locale() const
{
    return QLocale::system();
}

QString LockFileInstance::lockPath(const QString &applicationName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

LockFileInstance::LockFileInstance(const QString &applicationName)
    : m_lock(std::make_unique<QLockFile>(lockPath(applicationName)))
{
    // Never take a live copy's lock for stale because of its age.
    m_lock->setStaleLockTime(0);
}

bool LockFileInstance::acquire()
{
    return m_lock->tryLock(0);
}

void LockFileInstance::release()
{
    m_lock->unlock();
}

void ExitProcess::endProcess()
{
    m_lock.release();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace tavrisk
