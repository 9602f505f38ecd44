#pragma once

namespace tavrisk::gui {

// How screen readers see the program's own widgets: a link label as a link
// whose press action clicks it, a group by its name. Installed once, by the
// first such widget made.
void installAccessibility();

} // namespace tavrisk::gui
