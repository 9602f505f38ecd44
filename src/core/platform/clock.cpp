#include "core/platform/clock.h"

namespace tavrisk {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

QLocale SystemClock::locale() const
{
    return QLocale::system();
}

} // namespace tavrisk
