#pragma once

#include <QIcon>

namespace tavrisk::gui {

// No image is decoded at start-up: the first image read lists every image
// plugin, a cost the first window would wait for (bench/README.md). So the
// program's icon comes as raw pixels (assets/rgba, made by scripts/artwork),
// and the overflow icon is read on first use (DeferredIcon).

// The program's icon, for every window's title bar and the boxes' pictures.
QIcon programIcon();

} // namespace tavrisk::gui
