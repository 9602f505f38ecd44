#include "app/qtservices.h"

#include "ui/form.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace tavrisk {

void DesktopOpener::open(const QUrl &address)
{
    // Starts the desktop's opener detached; a machine without one shows nothing.
    QDesktopServices::openUrl(address);
}

MessageBoxes::Answer QtMessageBoxes::show(const QString &text, const QString &title, Icon icon,
                                          Buttons buttons)
{
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Information, title,
                    ui::shownLines(text));
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

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
