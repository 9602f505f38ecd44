#pragma once

#include <QLoggingCategory>

namespace tavrisk {

// What the program passes over without telling the user: failed start-up
// steps and unloads, and the moves between windows. Off by default; turn it
// on with QT_LOGGING_RULES="tavrisk=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)

} // namespace tavrisk
