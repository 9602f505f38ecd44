#pragma once

#include <QString>

namespace tavrisk::gui {

// Application-wide settings the windows rely on; call once after QApplication.
void configureApplication();

// The user's language: the first of the system's UI languages that has a
// translation, with Qt's own texts in the same language; else English.
// Returns the language installed, or an empty string.
QString installTranslations();

} // namespace tavrisk::gui
