// Start-up, the moves between windows, the exit window's load and the road out.
#include "app/controller.h"
#include "core/promotion/texts.h"
#include "core/web/reminder.h"
#include "core/web/storeddate.h"
#include "gui/exitwindow.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QPushButton>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestLifecycle : public ProgramTest
{
    Q_OBJECT
public:
    TestLifecycle() : ProgramTest(AtInit::FakesOnly) {}

private Q_SLOTS:
    void secondCopyIsRefused();
    void startupOrder();
    void reminderComesBeforeTheWindow();
    void failingStoreStillShowsTheWindow();
    void noWindowlessCopy();
    void callsAfterTheEndChangeNothing();
    void closingAMainWindow_data();
    void closingAMainWindow();
    void exitWindowEndsTheProgram_data();
    void exitWindowEndsTheProgram();
    void roundTripsNeverLeaveTheExitWindow();
    void exitWindowLoadStep();

private:
    gui::ExitWindow *reachExitWindow();
};

gui::ExitWindow *TestLifecycle::reachExitWindow()
{
    startProgram();
    return exitFromQuestion();
}

void TestLifecycle::secondCopyIsRefused()
{
    m_fakes->instance.othersRunning = true;
    startProgram();
    QCOMPARE(m_fakes->messages.texts(), QStringList{"Application is already running"});
    const auto &box = m_fakes->messages.shown[0];
    QCOMPARE(box.title, QStringLiteral("QV Tavrisk"));
    QCOMPARE(box.icon, MessageBoxes::Icon::Information);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(box.owner, nullptr);
    QCOMPARE(m_fakes->end.ended, 1);
    // Nothing else of the start-up ran.
    QVERIFY(m_fakes->settings.log.isEmpty());
    QCOMPARE(m_fakes->random.seeded + m_fakes->random.drawn, 0);
    QVERIFY(!m_controller->question());
    QVERIFY(!m_controller->exitWindow());
    QVERIFY(m_fakes->opener.opened.isEmpty());
    QVERIFY(visibleTopLevels().isEmpty());
}

void TestLifecycle::startupOrder()
{
    startProgram();
    QCOMPARE(m_fakes->instance.acquired, 1);
    QCOMPARE(m_fakes->random.seeded, 1);
    QCOMPARE(m_fakes->random.drawn, 1); // the co-brand draw
    QCOMPARE(m_fakes->settings.log.value(0), QStringLiteral("read Duration"));
    QCOMPARE(visibleTopLevels(), QStringList{"questionWindow"});
    QCOMPARE(m_controller->registry().loadOrder(), QStringList({"startup", "questionWindow"}));
    QCOMPARE(m_fakes->end.ended, 0);
}

void TestLifecycle::reminderComesBeforeTheWindow()
{
    m_fakes->settings.values[QStringLiteral("Duration")] =
        dateToText(m_fakes->clock.day.addDays(-15), m_fakes->clock.loc);
    m_fakes->messages.nextAnswer = MessageBoxes::Answer::Yes;
    QStringList visibleWhenAsked, visibleWhenOpened;
    m_fakes->messages.onShow = [&] { visibleWhenAsked = visibleTopLevels(); };
    m_fakes->opener.onOpen = [&] { visibleWhenOpened = visibleTopLevels(); };
    startProgram();
    QCOMPARE(m_fakes->messages.shown.size(), 1);
    QVERIFY(visibleWhenAsked.isEmpty());
    QVERIFY(visibleWhenOpened.isEmpty());
    QCOMPARE(pagesOpened(), QStringList{"download-web-page"});
    QCOMPARE(visibleTopLevels(), QStringList{"questionWindow"});

    // Back brings no second question.
    showResult();
    QTest::mouseClick(m_controller->result()->backButton(), Qt::LeftButton);
    QCOMPARE(m_fakes->messages.shown.size(), 1);
}

void TestLifecycle::failingStoreStillShowsTheWindow()
{
    m_fakes->settings.readable = false;
    m_fakes->settings.writable = false;
    startProgram();
    QCOMPARE(visibleTopLevels(), QStringList{"questionWindow"});
    QVERIFY(m_fakes->messages.shown.isEmpty());
}

void TestLifecycle::noWindowlessCopy()
{
    // A window system that takes the question window away as it is shown.
    struct Unshow : QObject
    {
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show &&
                watched->objectName() == QLatin1String("questionWindow"))
                static_cast<QWidget *>(watched)->hide();
            return false;
        }
    } unshow;
    QApplication::instance()->installEventFilter(&unshow);
    startProgram();
    QApplication::instance()->removeEventFilter(&unshow);
    QCOMPARE(m_fakes->end.ended, 1);
    QVERIFY(visibleTopLevels().isEmpty());
    QVERIFY(m_controller->registry().loadOrder().isEmpty());
}

void TestLifecycle::callsAfterTheEndChangeNothing()
{
    ShowCounter shows;
    startProgram();
    gui::QuestionWindow *q = m_controller->question();
    QTest::mouseClick(q->nextButton(), Qt::LeftButton);
    m_controller->endProgram();
    QCOMPARE(m_fakes->end.ended, 1);
    // The question window's unload step, run by endProgram, brings no exit window.
    QVERIFY(!m_controller->exitWindow());
    QCOMPARE(shows.count(QStringLiteral("exitWindow")), 0);
    QVERIFY(visibleTopLevels().isEmpty());
    m_controller->next();
    m_controller->back();
    m_controller->showAbout(nullptr);
    QCOMPARE(int(m_controller->testState().step), 1);
    QVERIFY(visibleTopLevels().isEmpty());
    QVERIFY(!m_controller->question() && !m_controller->result() && !m_controller->exitWindow());
    QCOMPARE(m_fakes->end.ended, 1);
}

void TestLifecycle::closingAMainWindow_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("how");
    for (bool result : {false, true})
        for (const char *how : {"Exit button", "File > Exit", "close box"})
            QTest::addRow("%s %s", result ? "result" : "question", how)
                << result << QString::fromLatin1(how);
}

void TestLifecycle::closingAMainWindow()
{
    QFETCH(bool, result);
    QFETCH(QString, how);
    startProgram();
    if (result)
        showResult();
    gui::MainForm *w = result ? static_cast<gui::MainForm *>(m_controller->result())
                              : static_cast<gui::MainForm *>(m_controller->question());
    QVERIFY(w);
    if (how == QLatin1String("Exit button"))
        QTest::mouseClick(w->exitButton(), Qt::LeftButton);
    else if (how == QLatin1String("File > Exit"))
        w->menus().exit->trigger();
    else
        w->close();
    // The exit window takes its place; nothing asks, nothing refuses, the program runs on.
    QCOMPARE(visibleTopLevels(), QStringList{"exitWindow"});
    QVERIFY(!m_controller->question() && !m_controller->result());
    QCOMPARE(m_fakes->end.ended, 0);
    QVERIFY(m_fakes->messages.shown.isEmpty());
    gui::ExitWindow *e = m_controller->exitWindow();
    QVERIFY(e->windowFlags() & Qt::WindowStaysOnTopHint);
    // The keyboard goes with it, onto Exit.
    QVERIFY(QTest::qWaitForWindowActive(e));
    QCOMPARE(QApplication::focusWidget(), e->exitButton());
}

void TestLifecycle::exitWindowEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "Exit button";
    QTest::newRow("close box") << "close box";
    QTest::newRow("Space, Exit having the focus") << "Space";
}

void TestLifecycle::exitWindowEndsTheProgram()
{
    QFETCH(QString, how);
    gui::ExitWindow *e = reachExitWindow();
    QVERIFY(e && e->isVisible());
    if (how == QLatin1String("close box"))
        e->close();
    else if (how == QLatin1String("Space")) {
        QVERIFY(QTest::qWaitForWindowActive(e));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    } else
        QTest::mouseClick(e->exitButton(), Qt::LeftButton);
    QCOMPARE(m_fakes->end.ended, 1);
    QVERIFY(m_controller->registry().loadOrder().isEmpty());
    QVERIFY(visibleTopLevels().isEmpty());
}

void TestLifecycle::roundTripsNeverLeaveTheExitWindow()
{
    m_fakes->random.script = {0.0f, 0.6f}; // co-brand draw, then the support text: index 2
    ShowCounter shows;
    startProgram();
    for (int trip = 0; trip < 10; ++trip) {
        showResult();
        QCOMPARE(visibleTopLevels(), QStringList{"resultWindow"});
        QTest::mouseClick(m_controller->result()->backButton(), Qt::LeftButton);
        QCOMPARE(visibleTopLevels(), QStringList{"questionWindow"});
    }
    QVERIFY(m_controller->exitWindow());
    QCOMPARE(m_controller->exitWindow()->supportLabel()->text(), supportText(2));
    QCOMPARE(m_fakes->random.seeded, 2); // start-up and the exit window's one load
    QCOMPARE(m_controller->registry().loadOrder(),
             QStringList({"startup", "exitWindow", "questionWindow"}));
    // Loaded on the first trip, yet never on screen until a real close.
    QCOMPARE(shows.count(QStringLiteral("exitWindow")), 0);
    QTest::mouseClick(m_controller->question()->exitButton(), Qt::LeftButton);
    QCOMPARE(shows.count(QStringLiteral("exitWindow")), 1);
    QCOMPARE(m_controller->exitWindow()->supportLabel()->text(), supportText(2));
}

void TestLifecycle::exitWindowLoadStep()
{
    for (int index = 0; index < 4; ++index) {
        const auto prepare = [index](FakeServices &fakes) {
            fakes.random.script = {0.0f, index / 4.0f + 0.1f};
        };
        restartProgram(prepare);
        gui::ExitWindow *e = exitFromQuestion();
        QCOMPARE(e->windowTitle(), expectedCaption());
        QCOMPARE(e->findChild<QLabel *>("exitCaption")->text(), expectedCaption());
        QVERIFY(!e->findChild<QLabel *>("exitIcon")->pixmap().isNull());
        QCOMPARE(e->supportLabel()->text(), supportText(index));
        QCOMPARE(m_fakes->random.seeded, 2);
    }
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
