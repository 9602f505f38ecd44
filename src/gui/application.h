#pragma once

#include <QString>

class QLocale;

namespace tavrisk::gui {

// Application-wide settings the windows rely on; call once after QApplication.
void configureApplication();

// The user's language: the first of the system's UI languages that has a
// translation, else English; TAVRISK_PSEUDO_LANGUAGE=1 gives the
// development language instead. Call before any window is built.
void installTranslations();

// The first of `locale`'s UI languages that has a translation, with Qt's own
// texts in the same language and the layout running its way. Returns the
// language installed, or an empty string (English, left to right).
QString installLanguage(const QLocale &locale);
// The development language's texts, left to right.
void installPseudoLanguage();
// Back to English, left to right.
void removeTranslations();

} // namespace tavrisk::gui
