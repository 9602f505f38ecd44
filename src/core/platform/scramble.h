#pragma once

#include <QString>

namespace tavrisk {

// Small enough that key names and dates (digits, ASCII letters, separators,
// spaces) all scramble and unscramble without loss.
inline constexpr int ScrambleShift = 7;

// Shift every Latin-1 code up (or down) by ScrambleShift; a character that
// would leave 0..255 is dropped. Characters outside Latin-1 count as '?', as
// a single-byte code page would store them.
QString scrambleText(const QString &text);
QString unscrambleText(const QString &text);

} // namespace tavrisk
