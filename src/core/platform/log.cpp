#include "core/platform/log.h"

namespace tavrisk {

// Critical only by default, and the program logs nothing critical: silent
// unless the rules ask for it.
Q_LOGGING_CATEGORY(lcApp, "tavrisk", QtCriticalMsg)

} // namespace tavrisk
