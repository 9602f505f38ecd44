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

void ShiftAnimalCaptions(TestState &state, QuestionScreen &screen)
{
    for (int i = 0; i < AnimalCount; ++i) {
        if (state.strCaptions[i] == state.strGivenUp) {
            screen.captions[i] = state.strCaptions[i + 1];
            state.blnGapFound = true;
        } else if (state.blnGapFound) {
            screen.captions[i] = state.strCaptions[i + 1];
        } else {
            screen.captions[i] = state.strCaptions[i];
        }
    }
}

namespace {

void giveUp(TestState &state, QuestionScreen &screen, int round)
{
    const int shown = 6 - round;
    screen.message = prompt(round + 1);
    if (round >= 2)
        state.blnGapFound = false;
    for (int i = 0; i < shown; ++i) {
        if (screen.selected == i) {
            state.strGivenUp = screen.captions[i];
            state.strChoice[round - 1] = screen.captions[i];
        }
        state.strCaptions[i] = screen.captions[i];
    }
    screen.visible[shown - 1] = false;
    screen.selected = 0;
    ShiftAnimalCaptions(state, screen);
    if (round == 4)
        screen.nextCaption = text::showResultCaption();
}

void takeResult(TestState &state, const QuestionScreen &screen, ResultLines &result)
{
    state.strChoice[4] = screen.captions[0];
    for (int i = 0; i < AnimalCount; ++i)
        result.order[i] = resultLine(i + 1, state.strChoice[i]);
    for (QString &choice : state.strChoice)
        choice = meaningOf(choice);
    // lblValueOrderOne gets line 5 and stands at the bottom of its list.
    for (int i = 0; i < AnimalCount; ++i)
        result.value[i] = resultLine(AnimalCount - i, state.strChoice[AnimalCount - 1 - i]);
}

} // namespace

NextOutcome NextClick(TestState &state, QuestionScreen &screen, ResultLines &result)
{
    ++state.intStep;
    if (state.intStep >= 1 && state.intStep <= 4) {
        giveUp(state, screen, state.intStep);
        return NextOutcome::GaveUp;
    }
    if (state.intStep == 5) {
        takeResult(state, screen, result);
        return NextOutcome::Result;
    }
    return NextOutcome::Ignored;
}

} // namespace tavrisk
