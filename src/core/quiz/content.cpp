#include "core/quiz/content.h"

namespace tavrisk {

namespace {
struct Animal
{
    const char *caption;
    const char *meaning;
};

// Meanings are kept whole rather than assembled, so each reads as written.
constexpr std::array<Animal, AnimalCount> Animals{{
    {"Monkey", "Monkey - Your Offspring"},
    {"Lion", "Lion - Your Dignity"},
    {"Cow", "Cow - Your Simple Wants"},
    {"Sheep", "Sheep - Your Friendship"},
    {"Horse", "Horse - Your Obsession"},
}};
} // namespace

QString animalCaption(int position)
{
    return QString::fromLatin1(Animals.at(position).caption);
}

QString animalMeaning(int position)
{
    return QString::fromLatin1(Animals.at(position).meaning);
}

QString meaningOf(const QString &caption)
{
    for (const Animal &a : Animals) {
        if (caption == QLatin1String(a.caption))
            return QString::fromLatin1(a.meaning);
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
        return QStringLiteral("Now you need to make a tough decision and leave one of the animals "
                              "behind. Select the suitable option and click on Next.");
    case 2:
        return QStringLiteral("Now you have four animals left with you. You are growing tired by "
                              "the minute and realize that you will have to give up one more "
                              "animal.\r\nChoose one of the below");
    case 3:
        return QStringLiteral("You have three animals with you now. You are walking away but can "
                              "see no civilization for miles. The water is almost gone. It's time "
                              "to let go of one more animal.");
    case 4:
        return QStringLiteral("You have two animals with you now. You have to make the tough "
                              "decision of letting go of one as you barely have any water left.");
    default:
        return QString();
    }
}

namespace text {
QString titleLabel()
{
    return QStringLiteral("QV Tavrisk is a fun game and tells you more about what is precious to "
                          "you. Take the test now and have fun!");
}
QString story()
{
    return QStringLiteral("Imagine you are traveling in a desert with five animals. You are tired "
                          "and have very less water. The only way you will survive this journey "
                          "is by letting the animals go.");
}
QString nextCaption()
{
    return QStringLiteral("&Next");
}
QString showResultCaption()
{
    return QStringLiteral("Show &Result");
}
} // namespace text

} // namespace tavrisk
