#pragma once

namespace tavrisk::gui {

// Application-wide settings the windows rely on; call once after QApplication.
void configureApplication();

} // namespace tavrisk::gui
