#pragma once

#include <QString>

namespace tavrisk {

// The Qt platform to ask for, or an empty string for Qt's own choice. In a
// Wayland session that also offers XWayland, the program runs on X11 unless
// the user chose a platform (QT_QPA_PLATFORM): natively on Wayland a client
// can neither centre its windows nor keep the exit window above the others.
// The arguments are the environment's QT_QPA_PLATFORM, WAYLAND_DISPLAY,
// XDG_SESSION_TYPE and DISPLAY.
QString preferredPlatform(const QString &chosen, const QString &waylandDisplay,
                          const QString &sessionType, const QString &x11Display);

} // namespace tavrisk
