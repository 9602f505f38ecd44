#include "core/platform/instancelock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <string>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavrisk {

QString SystemInstanceLock::lockPath(const QString &applicationName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

SystemInstanceLock::SystemInstanceLock(QString applicationName) : m_name(std::move(applicationName))
{}

SystemInstanceLock::~SystemInstanceLock()
{
    unlock();
}

void SystemInstanceLock::release()
{
    unlock();
}

#ifdef Q_OS_WIN

bool SystemInstanceLock::acquire()
{
    if (m_mutex)
        return true;
    // Local\ names are per session, which is per signed-in user.
    const std::wstring name =
        (QStringLiteral("Local\\") + m_name + QStringLiteral(".instance")).toStdWString();
    m_mutex = CreateMutexW(nullptr, TRUE, name.c_str());
    if (!m_mutex)
        return true; // no lock to be had: better a second copy than none at all
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_mutex);
        m_mutex = nullptr;
        return false;
    }
    return true;
}

void SystemInstanceLock::unlock()
{
    if (m_mutex) {
        ReleaseMutex(m_mutex);
        CloseHandle(m_mutex);
        m_mutex = nullptr;
    }
}

#else

bool SystemInstanceLock::acquire()
{
    if (m_fd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(lockPath(m_name));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no place for a lock: better a second copy than none at all
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void SystemInstanceLock::unlock()
{
    // The file stays: removing it would let two copies lock two different files.
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

#endif

} // namespace tavrisk
