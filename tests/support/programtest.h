#pragma once

// The program on recording fakes, shared by the widget tests: a test class
// derives from it and gets fresh fakes, and a started program, for each of
// its test functions.

#include "fakes.h"
#include "gui/refusals.h"

#include <QWidget>

#include <QObject>
#include <memory>

namespace tavrisk::app {
class Controller;
}
namespace tavrisk::gui {
class MainForm;
class QuestionWindow;
class ResultWindow;
class ExitWindow;
} // namespace tavrisk::gui

namespace tavrisk::testing {

// A window's refusals, recorded with the start-up boxes, the window as owner.
struct FakeRefusals : gui::Refusals
{
    explicit FakeRefusals(FakeMessages &messages) : messages(messages) {}
    void refuse(QWidget *owner, const QString &text) override
    {
        messages.record(owner, text, QString(), MessageBoxes::Icon::Stop,
                        MessageBoxes::Buttons::Ok);
    }
    FakeMessages &messages;
};

class ProgramTest : public QObject
{
    Q_OBJECT
public:
    ~ProgramTest() override;

protected:
    // Started: each test function gets a started program. FakesOnly: init()
    // only makes the fakes, so a test can script them before startProgram().
    enum class AtInit { Started, FakesOnly };
    explicit ProgramTest(AtInit atInit = AtInit::Started);

    void startProgram();
    // New fakes, scripted by `prepare`, and the program started on them.
    template <typename Prepare> void restartProgram(Prepare prepare)
    {
        stopProgram();
        m_fakes = std::make_unique<FakeServices>();
        prepare(*m_fakes);
        startProgram();
    }
    void stopProgram();

    gui::QuestionWindow *question() const;
    gui::ResultWindow *result() const;
    gui::ExitWindow *exitWindow() const;
    // Next clicked five times from the first screen: the result window.
    gui::ResultWindow *showResult();
    // The question window, or the result window reached from it.
    gui::MainForm *mainForm(bool result);
    // Exit clicked on the question window: the exit window.
    gui::ExitWindow *exitFromQuestion();
    // The page keys of the addresses handed to the browser, in order.
    QStringList pagesOpened() const;

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<FakeRefusals> m_refusals;
    std::unique_ptr<app::Controller> m_controller;

protected Q_SLOTS:
    virtual void initTestCase();
    // Ends any program still running, then makes new fakes (and starts).
    virtual void init();
    virtual void cleanup();

private:
    AtInit m_atInit;
};

} // namespace tavrisk::testing
