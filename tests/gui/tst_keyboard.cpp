// Tab order, focus on opening, Enter and Esc, and access keys.
#include "app/controller.h"
#include "core/quiz/content.h"
#include "core/web/addresses.h"
#include "gui/aboutbox.h"
#include "gui/exitwindow.h"
#include "gui/linklabel.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QPushButton>
#include <QRadioButton>
#include <memory>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestKeyboard : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:

    void questionWindowOpensWithExitFocused();
    void tabOrder();
    void arrowsMoveTheSelection();
    void groupKeptAfterGiveUp_data();
    void groupKeptAfterGiveUp();
    void questionKeys_data();
    void questionKeys();
    void wholeTestByAccessKeys();
    void resultKeys_data();
    void resultKeys();
    void linksFollowTheWindowsOwnStops_data();
    void linksFollowTheWindowsOwnStops();
    void aboutBoxLinksByKeyboard();

private:
    gui::QuestionWindow *activeQuestion();
    gui::ResultWindow *activeResult();
};

gui::QuestionWindow *TestKeyboard::activeQuestion()
{
    gui::QuestionWindow *q = m_controller->question();
    if (q) {
        if (!activate(q))
            return nullptr;
    }
    return q;
}

gui::ResultWindow *TestKeyboard::activeResult()
{
    gui::QuestionWindow *q = activeQuestion();
    if (!q)
        return nullptr;
    gui::ResultWindow *r = showResult();
    if (r) {
        if (!activate(r))
            return nullptr;
    }
    return r;
}

void TestKeyboard::questionWindowOpensWithExitFocused()
{
    gui::QuestionWindow *q = activeQuestion();
    QVERIFY(q);
    QCOMPARE(QApplication::focusWidget(), q->exitButton());
}

void TestKeyboard::tabOrder()
{
    gui::QuestionWindow *q = activeQuestion();
    QVERIFY(q);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q->nextButton());

    // The group is one stop, at its selected option.
    q->option(3)->click();
    q->exitButton()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q->option(3));
}

void TestKeyboard::arrowsMoveTheSelection()
{
    gui::QuestionWindow *q = activeQuestion();
    QVERIFY(q);
    q->option(0)->setFocus();
    QTest::keyClick(q->option(0), Qt::Key_Down);
    QVERIFY(q->option(1)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(q->option(2)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_controller->question(), nullptr); // Enter on an option clicks Exit
}

void TestKeyboard::groupKeptAfterGiveUp_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("position");
    for (int round = 1; round <= 4; ++round) {
        for (int position = 0; position <= AnimalCount - round; ++position)
            QTest::addRow("round %d, option %d", round, position) << round << position;
    }
}

// Whichever option had the focus at Next, the group stays one tab stop at its
// selection and the arrows go on from there.
void TestKeyboard::groupKeptAfterGiveUp()
{
    QFETCH(int, round);
    QFETCH(int, position);
    gui::QuestionWindow *q = activeQuestion();
    QVERIFY(q);
    auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    for (int step = 1; step < round; ++step) {
        press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(int(m_controller->testState().step), step);
    }
    q->exitButton()->setFocus();
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    for (int i = 0; i < position; ++i)
        press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), q->option(position));
    QVERIFY(q->option(position)->isChecked());
    const QString chosen = q->option(position)->text();

    press(Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(int(m_controller->testState().step), round);
    QCOMPARE(m_controller->testState().givenUp, chosen);
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    QVERIFY(q->option(0)->isChecked());

    const bool severalLeft = q->option(1)->isVisible();
    press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), q->option(severalLeft ? 1 : 0));
    QVERIFY(q->option(severalLeft ? 1 : 0)->isChecked());
    press(Qt::Key_Up);
    QVERIFY(q->option(0)->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q->nextButton());
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    q->exitButton()->setFocus();
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QTRY_COMPARE(int(m_controller->testState().step), round + 1);
}

void TestKeyboard::questionKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("exits");
    QTest::addColumn<int>("steps");
    const int none = Qt::NoModifier, alt = Qt::AltModifier;
    QTest::newRow("Enter on opening clicks Exit")
        << "exitButton" << int(Qt::Key_Return) << none << true << 0;
    QTest::newRow("keypad Enter too")
        << "exitButton" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << 0;
    QTest::newRow("Esc on Exit") << "exitButton" << int(Qt::Key_Escape) << none << true << 0;
    QTest::newRow("Esc on an option")
        << "animalOption0" << int(Qt::Key_Escape) << none << true << 0;
    QTest::newRow("Esc on Next") << "nextButton" << int(Qt::Key_Escape) << none << true << 0;
    QTest::newRow("Enter on Next clicks Next")
        << "nextButton" << int(Qt::Key_Return) << none << false << 1;
    QTest::newRow("Space on Next clicks Next")
        << "nextButton" << int(Qt::Key_Space) << none << false << 1;
    QTest::newRow("Alt+N") << "animalOption0" << int(Qt::Key_N) << alt << false << 1;
    QTest::newRow("Alt+E") << "animalOption0" << int(Qt::Key_E) << alt << true << 0;
}

void TestKeyboard::questionKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, exits);
    QFETCH(int, steps);
    gui::QuestionWindow *q = activeQuestion();
    QVERIFY(q);
    QWidget *target = q->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // Access keys click with a short animation, so their effect comes a moment later.
    QTRY_COMPARE(m_controller->question() == nullptr, exits);
    QTRY_COMPARE(int(m_controller->testState().step), steps);
    if (exits) {
        QVERIFY(m_controller->exitWindow() && m_controller->exitWindow()->isVisible());
        QCOMPARE(visibleTopLevels(), QStringList{"exitWindow"});
    }
}

void TestKeyboard::wholeTestByAccessKeys()
{
    gui::QuestionWindow *q = activeQuestion();
    QVERIFY(q);
    for (int i = 1; i <= 4; ++i) {
        QTest::keyClick(q, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(int(m_controller->testState().step), i);
    }
    QCOMPARE(q->nextButton()->text(), QStringLiteral("Show &Result"));
    QTest::keyClick(q, Qt::Key_N, Qt::AltModifier); // Next's old key no longer applies
    QTest::keyClick(q, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(m_controller->result());
    QCOMPARE(int(m_controller->testState().step), 5);
    QCOMPARE(m_controller->result()->orderLabel(4)->text(), QStringLiteral("5. Horse"));
}

void TestKeyboard::resultKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::newRow("Enter on opening clicks Back")
        << int(Qt::Key_Return) << int(Qt::NoModifier) << "questionWindow";
    QTest::newRow("Esc clicks Exit") << int(Qt::Key_Escape) << int(Qt::NoModifier) << "exitWindow";
    QTest::newRow("Alt+B") << int(Qt::Key_B) << int(Qt::AltModifier) << "questionWindow";
    QTest::newRow("Alt+E") << int(Qt::Key_E) << int(Qt::AltModifier) << "exitWindow";
}

void TestKeyboard::resultKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    gui::ResultWindow *r = activeResult();
    QVERIFY(r);
    QCOMPARE(QApplication::focusWidget(), r->backButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(visibleTopLevels(), QStringList{after});
}

void TestKeyboard::linksFollowTheWindowsOwnStops_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order"); // once round, from the focus on opening
    QTest::addColumn<QStringList>("pages"); // Enter on each link, in that order
    QTest::newRow("question") << "questionWindow"
                              << QStringList{"exitButton", "animalOption0", "nextButton",
                                             "bannerLink", "titleLink",     "coBrandLink"}
                              << QStringList{"home-page", "fully-branded", "co-brand"};
    QTest::newRow("result") << "resultWindow"
                            << QStringList{"backButton", "exitButton", "bannerLink", "coBrandLink"}
                            << QStringList{"home-page", "co-brand"};
    QTest::newRow("exit") << "exitWindow"
                          << QStringList{"closeButton",      "visitSiteCheck",  "exitIcon",
                                         "nameField",        "submitButton",    "emailField",
                                         "friendEmailField", "friendNameField", "messageField",
                                         "goToHomeLink"}
                          << QStringList{"quorvanesoftwares"};
}

// Links take the focus after the window's own stops, in reading order, and
// Enter opens their page with the window left as it was.
void TestKeyboard::linksFollowTheWindowsOwnStops()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QFETCH(QStringList, pages);
    QWidget *w = nullptr;
    if (window == QLatin1String("questionWindow"))
        w = activeQuestion();
    else if (window == QLatin1String("resultWindow"))
        w = activeResult();
    else
        w = exitFromQuestion();
    QVERIFY(w);
    QVERIFY(activate(w));
    QStringList seen;
    for (int i = 0; i < order.size(); ++i) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        seen << focused->objectName();
        if (qobject_cast<gui::LinkLabel *>(focused)) {
            QTest::keyClick(focused, Qt::Key_Return);
            QCOMPARE(visibleTopLevels(), QStringList{window});
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(seen, order);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    QCOMPARE(pagesOpened(), pages);
}

// The about box's links follow OK; Enter opens their page and keeps the box.
void TestKeyboard::aboutBoxLinksByKeyboard()
{
    gui::AboutBox about;
    QStringList pages;
    connect(&about, &gui::AboutBox::pageRequested, this, [&](Page p) { pages << pageKey(p); });
    about.show();
    QVERIFY(activate(&about));
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        QWidget *focused = QApplication::focusWidget();
        seen << focused->objectName();
        if (qobject_cast<gui::LinkLabel *>(focused))
            QTest::keyClick(focused, Qt::Key_Return);
        QVERIFY(about.isVisible());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(seen, QStringList({"okButton", "homePageLink", "detailsLink"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("okButton"));
    QCOMPARE(pages, QStringList({"home-page", "fully-branded"}));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
