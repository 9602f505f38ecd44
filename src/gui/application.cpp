#include "gui/application.h"

#include "gui/style.h"

#include <QApplication>
#include <QPixmapCache>

namespace tavrisk::gui {

void configureApplication()
{
    // Fusion paints the palette's button faces and colours on every platform.
    auto *style = new Style;
    style->setParent(qApp); // as setStyle() would: the application owns its style
    QApplication::setStyle(style);
    // Only endProgram ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // The style caches pixmaps keyed by palette, and every window built anew
    // brings new palettes: a small cache keeps a long session from growing.
    QPixmapCache::setCacheLimit(2048);
}

} // namespace tavrisk::gui
