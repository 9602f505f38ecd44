#include "core/quiz/content.h"

#include <QCoreApplication>

namespace tavrisk {

namespace {
struct Animal
{
    const char *caption;
    const char *meaning;
};

// Meanings are kept whole rather than assembled, so each reads as written.
constexpr std::array<Animal, AnimalCount> Animals{{
    {QT_TRANSLATE_NOOP("Quiz", "Monkey"), QT_TRANSLATE_NOOP("Quiz", "Monkey - Your Offspring")},
    {QT_TRANSLATE_NOOP("Quiz", "Lion"), QT_TRANSLATE_NOOP("Quiz", "Lion - Your Dignity")},
    {QT_TRANSLATE_NOOP("Quiz", "Cow"), QT_TRANSLATE_NOOP("Quiz", "Cow - Your Simple Wants")},
    {QT_TRANSLATE_NOOP("Quiz", "Sheep"), QT_TRANSLATE_NOOP("Quiz", "Sheep - Your Friendship")},
    {QT_TRANSLATE_NOOP("Quiz", "Horse"), QT_TRANSLATE_NOOP("Quiz", "Horse - Your Obsession")},
}};

QString translated(const char *text)
{
    return QCoreApplication::translate("Quiz", text);
}
} // namespace

QString animalCaption(int position)
{
    return translated(Animals.at(position).caption);
}

QString animalMeaning(int position)
{
    return translated(Animals.at(position).meaning);
}

// The captions compared are those on screen, in the user's language.
QString meaningOf(const QString &caption)
{
    for (int i = 0; i < AnimalCount; ++i) {
        if (caption == animalCaption(i))
            return animalMeaning(i);
    }
    return caption;
}

QString resultLine(int number, const QString &text)
{
    return QString::number(number) + QStringLiteral(". ") + text;
}

QString prompt(int screen)
{
    switch (screen) {
    case 1:
        return QCoreApplication::translate(
            "Quiz", "Now you need to make a tough decision and leave one of the animals "
                    "behind. Select the suitable option and click on Next.");
    case 2:
        return QCoreApplication::translate(
            "Quiz", "Now you have four animals left with you. You are growing tired by "
                    "the minute and realize that you will have to give up one more "
                    "animal.\r\nChoose one of the below");
    case 3:
        return QCoreApplication::translate(
            "Quiz", "You have three animals with you now. You are walking away but can "
                    "see no civilization for miles. The water is almost gone. It's time "
                    "to let go of one more animal.");
    case 4:
        return QCoreApplication::translate(
            "Quiz", "You have two animals with you now. You have to make the tough "
                    "decision of letting go of one as you barely have any water left.");
    default:
        return QString();
    }
}

namespace text {
QString titleLabel()
{
    return QCoreApplication::translate(
        "Quiz", "QV Tavrisk is a fun game and tells you more about what is precious to "
                "you. Take the test now and have fun!");
}
QString story()
{
    return QCoreApplication::translate(
        "Quiz", "Imagine you are traveling in a desert with five animals. You are tired "
                "and have very less water. The only way you will survive this journey "
                "is by letting the animals go.");
}
QString nextCaption()
{
    return QCoreApplication::translate("Quiz", "&Next");
}
QString showResultCaption()
{
    return QCoreApplication::translate("Quiz", "Show &Result");
}
} // namespace text

} // namespace tavrisk
