#pragma once

#include <QString>

// Texts that name the program itself, wherever they are shown.
namespace tavrisk::text {

QString appTitle();      // every message box's title
QString windowCaption(); // every window's caption: the title and the version
QString version();       // from project(VERSION)

} // namespace tavrisk::text
