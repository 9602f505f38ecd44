#pragma once

#include <QIcon>

namespace tavrisk::gui {

// The program's icon, for every window's title bar and the boxes' pictures.
QIcon programIcon();

} // namespace tavrisk::gui
