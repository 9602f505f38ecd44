#pragma once

#include "core/platform/services.h"

namespace tavrisk {

// Today and the user's date format, from the system.
class SystemClock : public Clock
{
public:
    QDate today() const override;
    QLocale locale() const override;
};

} // namespace tavrisk
