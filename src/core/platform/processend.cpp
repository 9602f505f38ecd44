#include "core/platform/processend.h"

#include <QCoreApplication>

namespace tavrisk {

void EventLoopEnd::endProcess()
{
    m_lock.release();
    m_ended = true;
    QCoreApplication::exit(0);
}

} // namespace tavrisk
