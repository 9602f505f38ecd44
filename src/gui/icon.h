#pragma once

#include <QIcon>

namespace tavrisk::gui {

// No image is decoded at start-up. The first image read lists every image
// plugin first: reading the icon's PNGs cost 5.4 M of the 92.9 M instructions
// until the first window is painted and quiet, and Fusion's menu-bar overflow
// icon, read the same way, 2.2 M (bench/README.md). So the program's icon
// comes as raw pixels (assets/rgba, made by scripts/artwork), and the
// overflow icon is read on first use (DeferredIcon).

// The program's icon, for every window's title bar and the boxes' pictures.
QIcon programIcon();

} // namespace tavrisk::gui
