#include "core/quiz/testrun.h"

namespace tavrisk {

QuestionScreen QuestionScreen::design()
{
    QuestionScreen s;
    for (int i = 0; i < AnimalCount; ++i) {
        s.captions[i] = animalCaption(i);
        s.visible[i] = true;
    }
    s.selected = 0;
    s.message = prompt(1);
    s.nextCaption = text::nextCaption();
    return s;
}

int QuestionScreen::visibleCount() const
{
    int n = 0;
    for (bool v : visible)
        n += v ? 1 : 0;
    return n;
}

void shiftAnimalCaptions(TestState &state, QuestionScreen &screen)
{
    for (int i = 0; i < AnimalCount; ++i) {
        if (state.captions[i] == state.givenUp) {
            screen.captions[i] = state.captions[i + 1];
            state.gapFound = true;
        } else if (state.gapFound) {
            screen.captions[i] = state.captions[i + 1];
        } else {
            screen.captions[i] = state.captions[i];
        }
    }
}

namespace {

void giveUp(TestState &state, QuestionScreen &screen, int round)
{
    const int shown = 6 - round;
    screen.message = prompt(round + 1);
    if (round >= 2)
        state.gapFound = false;
    for (int i = 0; i < shown; ++i) {
        if (screen.selected == i) {
            state.givenUp = screen.captions[i];
            state.choices[round - 1] = screen.captions[i];
        }
        state.captions[i] = screen.captions[i];
    }
    screen.visible[shown - 1] = false;
    screen.selected = 0;
    shiftAnimalCaptions(state, screen);
    if (round == 4)
        screen.nextCaption = text::showResultCaption();
}

void takeResult(TestState &state, const QuestionScreen &screen, ResultLines &result)
{
    state.choices[4] = screen.captions[0];
    for (int i = 0; i < AnimalCount; ++i)
        result.order[i] = resultLine(i + 1, state.choices[i]);
    for (QString &choice : state.choices)
        choice = meaningOf(choice);
    // valuedLineOne gets line 5 and stands at the bottom of its list.
    for (int i = 0; i < AnimalCount; ++i)
        result.value[i] = resultLine(AnimalCount - i, state.choices[AnimalCount - 1 - i]);
}

} // namespace

NextOutcome pressNext(TestState &state, QuestionScreen &screen, ResultLines &result)
{
    ++state.step;
    if (state.step >= 1 && state.step <= 4) {
        giveUp(state, screen, state.step);
        return NextOutcome::GaveUp;
    }
    if (state.step == 5) {
        takeResult(state, screen, result);
        return NextOutcome::Result;
    }
    return NextOutcome::Ignored;
}

} // namespace tavrisk
