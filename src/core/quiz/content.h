#pragma once

#include <QString>
#include <array>

namespace tavrisk {

inline constexpr int AnimalCount = 5;

// Position in the question window's option array, top to bottom.
QString animalCaption(int position);
QString animalMeaning(int position);

// Exact, case-sensitive; a text that names no animal comes back unchanged.
QString meaningOf(const QString &caption);

// "N. text": the number, a full stop, one space and the text.
QString resultLine(int number, const QString &text);

// Prompt shown in givenUpPrompt on screen 1 to 5.
QString prompt(int screen);

namespace text {
QString titleLabel();
QString story();
QString nextCaption();
QString showResultCaption();
} // namespace text

} // namespace tavrisk
