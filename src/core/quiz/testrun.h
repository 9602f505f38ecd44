#pragma once

#include "core/quiz/content.h"

#include <QString>
#include <array>

namespace tavrisk {

// Progress of the test in hand. It outlives the question window, which is
// destroyed at the hand-over to the result window; only Back resets it.
struct TestState
{
    qint16 step = 0;
    QString givenUp;
    bool gapFound = false;
    std::array<QString, 6> captions; // slot 5 is never written
    std::array<QString, 5> choices;  // in the order given up

    void reset() { *this = TestState(); }
};

// What the question window shows of the test: its option captions and
// visibility, the selected option, the prompt and the Next caption.
struct QuestionScreen
{
    std::array<QString, AnimalCount> captions;
    std::array<bool, AnimalCount> visible{};
    int selected = 0;
    QString message;
    QString nextCaption;

    static QuestionScreen design();
    int visibleCount() const;
    bool operator==(const QuestionScreen &) const = default;
};

// Texts for the result window: order[i] goes to chosenLineOne + i and
// value[i] to valuedLineOne + i (which stands at the bottom, line 5).
struct ResultLines
{
    std::array<QString, AnimalCount> order;
    std::array<QString, AnimalCount> value;
};

enum class NextOutcome { Ignored, GaveUp, Result };

// One click of Next. On the fifth it fills `result`.
NextOutcome pressNext(TestState &state, QuestionScreen &screen, ResultLines &result);

void shiftAnimalCaptions(TestState &state, QuestionScreen &screen);

} // namespace tavrisk
