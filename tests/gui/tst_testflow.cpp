// A whole test driven through the real windows: option clicks and Next.
#include "app/controller.h"
#include "core/quiz/content.h"
#include "gui/application.h"
#include "gui/exitwindow.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <algorithm>
#include <memory>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestFlow : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void init();

    void startsOnScreenOne();
    void everyOrder_data();
    void everyOrder();
    void resultInTheUsersLanguage_data();
    void resultInTheUsersLanguage();
    void screensAlongTheWay();
    void backStartsAFreshTest_data();
    void backStartsAFreshTest();

private:
    void giveUp(const QString &animal);
    QStringList visibleCaptions() const;
    void checkDesignState();
};

void TestFlow::init()
{
    ProgramTest::init();
    QVERIFY(question());
}

void TestFlow::giveUp(const QString &animal)
{
    gui::QuestionWindow *q = question();
    for (int i = 0; i < AnimalCount; ++i) {
        QRadioButton *option = q->option(i);
        if (option->isVisible() && option->text() == animal) {
            // On its mark, which stands at the right end right to left.
            const int x = option->isRightToLeft() ? option->width() - 10 : 10;
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(x, option->height() / 2));
            QVERIFY(option->isChecked());
            QTest::mouseClick(q->nextButton(), Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("%1 is not offered").arg(animal)));
}

QStringList TestFlow::visibleCaptions() const
{
    QStringList captions;
    for (int i = 0; i < AnimalCount; ++i) {
        if (question()->option(i)->isVisible())
            captions << question()->option(i)->text();
    }
    return captions;
}

void TestFlow::checkDesignState()
{
    gui::QuestionWindow *q = question();
    QVERIFY(q && q->isVisible());
    QCOMPARE(visibleCaptions(), QStringList({"Monkey", "Lion", "Cow", "Sheep", "Horse"}));
    QVERIFY(q->option(0)->isChecked());
    QCOMPARE(q->messageLabel()->text(), prompt(1));
    QCOMPARE(q->nextButton()->text(), QStringLiteral("&Next"));
    QCOMPARE(m_controller->testState().step, 0);
}

void TestFlow::startsOnScreenOne()
{
    checkDesignState();
    QCOMPARE(question()->windowTitle(), expectedCaption());
    QCOMPARE(visibleTopLevels(), QStringList{"questionWindow"});
}

void TestFlow::everyOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QStringList animals{"Monkey", "Lion", "Cow", "Sheep", "Horse"};
    std::sort(animals.begin(), animals.end());
    do {
        QTest::newRow(qPrintable(animals.join(u'-'))) << animals;
    } while (std::next_permutation(animals.begin(), animals.end()));
}

void TestFlow::everyOrder()
{
    QFETCH(QStringList, order);
    const QStringList table{"Monkey", "Lion", "Cow", "Sheep", "Horse"};
    // What each animal stands for, as the result window must show it.
    const QHash<QString, QString> meaning{{"Monkey", "Monkey - Your Offspring"},
                                          {"Lion", "Lion - Your Dignity"},
                                          {"Cow", "Cow - Your Simple Wants"},
                                          {"Sheep", "Sheep - Your Friendship"},
                                          {"Horse", "Horse - Your Obsession"}};
    QStringList remaining = table;
    for (int round = 0; round < 4; ++round) {
        giveUp(order[round]);
        remaining.removeOne(order[round]);
        QCOMPARE(visibleCaptions(), remaining);
        QVERIFY(question()->option(0)->isChecked());
    }
    QCOMPARE(question()->nextButton()->text(), QStringLiteral("Show &Result"));
    QTest::mouseClick(question()->nextButton(), Qt::LeftButton);

    QVERIFY(!question());
    gui::ResultWindow *r = m_controller->result();
    QVERIFY(r && r->isVisible());
    QCOMPARE(visibleTopLevels(), QStringList{"resultWindow"});
    for (int i = 0; i < AnimalCount; ++i) {
        QCOMPARE(r->orderLabel(i)->text(), QStringLiteral("%1. %2").arg(i + 1).arg(order[i]));
        // valuedLineOne holds line 5 and stands lowest; on screen both
        // lists read 1 to 5 from the top.
        QCOMPARE(r->valueLabel(i)->text(),
                 QStringLiteral("%1. %2").arg(5 - i).arg(meaning[order[4 - i]]));
        if (i > 0)
            QVERIFY(r->valueLabel(i)->y() < r->valueLabel(i - 1)->y());
    }
    QVERIFY(r->orderLabel(0)->y() < r->orderLabel(4)->y());
}

void TestFlow::resultInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("monkey");
    auto row = [](const char *name, const char *language, const char *monkey) {
        QTest::newRow(name) << QString::fromLatin1(language) << QString::fromUtf8(monkey);
    };
    row("German", "de", "Affe");
    row("French", "fr", "Singe");
    row("Spanish", "es", "Mono");
    row("Brazilian Portuguese", "pt_BR", "Macaco");
    row("Russian", "ru", "\u041e\u0431\u0435\u0437\u044c\u044f\u043d\u0430");
    row("Japanese", "ja", "\u30b5\u30eb");
    row("Arabic", "ar", "\u0627\u0644\u0642\u0631\u062f");
}

// The give-up steps compare captions: in another language the result must
// come out the same, in that language, with each animal's meaning.
void TestFlow::resultInTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, monkey);
    QVERIFY(!gui::installLanguage(QLocale(language)).isEmpty());
    const auto restore = qScopeGuard([] { gui::removeTranslations(); });
    restartProgram([](FakeServices &) {});
    auto tr = [](const char *text) { return QCoreApplication::translate("Quiz", text); };
    const QStringList captions{tr("Monkey"), tr("Lion"), tr("Cow"), tr("Sheep"), tr("Horse")};
    QCOMPARE(captions[0], monkey);
    QCOMPARE(visibleCaptions(), captions);
    for (int animal : {4, 0, 2, 3}) // Horse, Monkey, Cow, Sheep
        giveUp(captions[animal]);
    QCOMPARE(question()->nextButton()->text(), tr("Show &Result"));
    QVERIFY(question()->nextButton()->text() != QLatin1String("Show &Result"));
    QTest::mouseClick(question()->nextButton(), Qt::LeftButton);
    gui::ResultWindow *r = m_controller->result();
    QVERIFY(r && r->isVisible());
    QCOMPARE(r->orderLabel(0)->text(), QStringLiteral("1. ") + captions[4]);
    QCOMPARE(r->orderLabel(4)->text(), QStringLiteral("5. ") + captions[1]);
    QCOMPARE(r->valueLabel(0)->text(), QStringLiteral("5. ") + tr("Lion - Your Dignity"));
    QCOMPARE(r->valueLabel(4)->text(), QStringLiteral("1. ") + tr("Horse - Your Obsession"));
    QVERIFY(r->valueLabel(4)->text().startsWith(QStringLiteral("1. ") + captions[4]));
}

void TestFlow::screensAlongTheWay()
{
    giveUp(QStringLiteral("Horse"));
    // Giving up the bottom animal leaves the others where they were.
    QCOMPARE(visibleCaptions(), QStringList({"Monkey", "Lion", "Cow", "Sheep"}));
    QVERIFY(!question()->option(4)->isVisible());
    QVERIFY(question()->option(4)->isEnabled());
    const QStringList lines = question()->messageLabel()->text().split(u'\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QStringLiteral("Choose one of the below"));

    giveUp(QStringLiteral("Lion"));
    QCOMPARE(visibleCaptions(), QStringList({"Monkey", "Cow", "Sheep"}));
    QCOMPARE(question()->messageLabel()->text(), prompt(3));
    giveUp(QStringLiteral("Monkey"));
    QCOMPARE(question()->messageLabel()->text(), prompt(4));
    giveUp(QStringLiteral("Sheep"));
    QCOMPARE(visibleCaptions(), QStringList{"Cow"});
    QVERIFY(question()->option(0)->isChecked());
    QVERIFY(question()->messageLabel()->text().isEmpty());
}

void TestFlow::backStartsAFreshTest_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File > Back") << true;
}

void TestFlow::backStartsAFreshTest()
{
    QFETCH(bool, fromMenu);
    for (const char *animal : {"Cow", "Monkey", "Horse", "Lion"})
        giveUp(QLatin1String(animal));
    QTest::mouseClick(question()->nextButton(), Qt::LeftButton);
    gui::ResultWindow *r = m_controller->result();
    QVERIFY(r);
    if (fromMenu)
        r->menus().back->trigger();
    else
        QTest::mouseClick(r->backButton(), Qt::LeftButton);

    QVERIFY(!m_controller->result());
    checkDesignState();
    QVERIFY(m_controller->exitWindow());
    QVERIFY(!m_controller->exitWindow()->isVisible());
    QCOMPARE(visibleTopLevels(), QStringList{"questionWindow"});
    QCOMPARE(m_fakes->end.ended, 0);

    // A second test gives its own result.
    for (int round = 0; round < 5; ++round)
        QTest::mouseClick(question()->nextButton(), Qt::LeftButton);
    r = m_controller->result();
    QVERIFY(r);
    QCOMPARE(r->orderLabel(0)->text(), QStringLiteral("1. Monkey"));
    QCOMPARE(r->orderLabel(4)->text(), QStringLiteral("5. Horse"));
    QCOMPARE(r->valueLabel(0)->text(), QStringLiteral("5. Horse - Your Obsession"));
    QCOMPARE(r->valueLabel(4)->text(), QStringLiteral("1. Monkey - Your Offspring"));
}

QTEST_MAIN(TestFlow)
#include "tst_testflow.moc"
