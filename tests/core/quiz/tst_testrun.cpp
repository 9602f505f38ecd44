// The test's rules on their own: TestState, Next and shiftAnimalCaptions.
#include "core/quiz/testrun.h"

#include <QTest>

using namespace tavrisk;

class TestRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hiddenOptionsKeepLeftovers();
    void resultFromUntouchedOptions();
    void clicksPastTheResultDoNothing();
    void resetClearsEverything();
};

namespace {
QuestionScreen click(TestState &state, QuestionScreen screen, int select,
                     ResultLines *lines = nullptr)
{
    ResultLines ignored;
    screen.selected = select;
    pressNext(state, screen, lines ? *lines : ignored);
    return screen;
}
} // namespace

void TestRun::hiddenOptionsKeepLeftovers()
{
    TestState state;
    // Cow goes first: Sheep and Horse move up, the last option is hidden.
    QuestionScreen s = click(state, QuestionScreen::design(), 2);
    QCOMPARE(s.captions, (std::array<QString, 5>{"Monkey", "Lion", "Sheep", "Horse", ""}));
    QCOMPARE(s.visible, (std::array<bool, 5>{true, true, true, true, false}));
    QCOMPARE(s.selected, 0);
    QCOMPARE(state.choices[0], QStringLiteral("Cow"));
    QVERIFY(state.gapFound);

    // Horse, which moved up, goes next; hidden option 3 keeps a leftover caption.
    s = click(state, s, 3);
    QCOMPARE(s.captions, (std::array<QString, 5>{"Monkey", "Lion", "Sheep", "Horse", ""}));
    QCOMPARE(s.visibleCount(), 3);
    QCOMPARE(state.choices[1], QStringLiteral("Horse"));
    QCOMPARE(state.captions[4], QStringLiteral("Horse")); // written by click 1
    QVERIFY(state.captions[5].isEmpty());

    s = click(state, s, 0);
    QCOMPARE(s.captions[0], QStringLiteral("Lion"));
    QCOMPARE(s.captions[1], QStringLiteral("Sheep"));
    QCOMPARE(s.message, prompt(4));
}

void TestRun::resultFromUntouchedOptions()
{
    TestState state;
    QuestionScreen s = QuestionScreen::design();
    for (int i = 0; i < 4; ++i)
        s = click(state, s, 0);
    QCOMPARE(s.nextCaption, QStringLiteral("Show &Result"));
    QVERIFY(s.message.isEmpty());
    QCOMPARE(s.visibleCount(), 1);
    ResultLines lines;
    s.selected = 0;
    QCOMPARE(pressNext(state, s, lines), NextOutcome::Result);
    const std::array<QString, 5> order{"1. Monkey", "2. Lion", "3. Cow", "4. Sheep", "5. Horse"};
    const std::array<QString, 5> value{"5. Horse - Your Obsession", "4. Sheep - Your Friendship",
                                       "3. Cow - Your Simple Wants", "2. Lion - Your Dignity",
                                       "1. Monkey - Your Offspring"};
    QCOMPARE(lines.order, order);
    QCOMPARE(lines.value, value);
    // The choices now hold meanings until Back resets them.
    QCOMPARE(state.choices[4], QStringLiteral("Horse - Your Obsession"));
    QCOMPARE(state.step, qint16(5));
}

void TestRun::clicksPastTheResultDoNothing()
{
    TestState state;
    state.step = 5;
    QuestionScreen s = QuestionScreen::design();
    const QuestionScreen before = s;
    ResultLines lines;
    QCOMPARE(pressNext(state, s, lines), NextOutcome::Ignored);
    QCOMPARE(s, before);
    QVERIFY(lines.order[0].isEmpty());
}

void TestRun::resetClearsEverything()
{
    TestState state;
    QuestionScreen s = QuestionScreen::design();
    for (int i = 0; i < 5; ++i)
        s = click(state, s, 0);
    state.reset();
    QCOMPARE(state.step, qint16(0));
    QVERIFY(state.givenUp.isEmpty());
    QVERIFY(!state.gapFound);
    for (const QString &slot : state.captions)
        QVERIFY(slot.isEmpty());
    for (const QString &choice : state.choices)
        QVERIFY(choice.isEmpty());
}

QTEST_APPLESS_MAIN(TestRun)
#include "tst_testrun.moc"
