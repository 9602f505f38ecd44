#include "core/platform/session.h"

namespace tavrisk {

QString preferredPlatform(const QString &chosen, const QString &waylandDisplay,
                          const QString &sessionType, const QString &x11Display)
{
    const bool wayland = !waylandDisplay.isEmpty() || sessionType == QLatin1String("wayland");
    if (!chosen.isEmpty() || !wayland || x11Display.isEmpty())
        return {};
    return QStringLiteral("xcb");
}

} // namespace tavrisk
