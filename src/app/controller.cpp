#include "app/controller.h"

#include "core/platform/log.h"
#include "core/program.h"
#include "core/promotion/draws.h"
#include "core/web/reminder.h"
#include "gui/aboutbox.h"
#include "gui/exitwindow.h"
#include "gui/questionwindow.h"
#include "gui/refusals.h"
#include "gui/resultwindow.h"

#include <exception>

#include <QCoreApplication>

namespace tavrisk::app {

namespace {

const QString StartupName = QStringLiteral("startup");
const QString MainName = QStringLiteral("questionWindow");
const QString DisplayName = QStringLiteral("resultWindow");
const QString ExitName = QStringLiteral("exitWindow");

// A step that fails is abandoned and the sequence goes on with the next one.
template <typename Step> void attempt(const char *what, Step &&step)
{
    try {
        step();
    } catch (const std::exception &e) {
        qCInfo(lcApp) << what << "skipped:" << e.what();
    } catch (...) {
        qCInfo(lcApp) << what << "skipped";
    }
}

} // namespace

Controller::Controller(Services &services, gui::Refusals &refusals)
    : m_services(services), m_refusals(refusals), m_pages(services.opener), m_registry(services.end)
{}

Controller::~Controller()
{
    delete m_main;
    delete m_display;
    delete m_exit;
}

gui::QuestionWindow *Controller::question() const
{
    return m_main;
}

gui::ResultWindow *Controller::result() const
{
    return m_display;
}

gui::ExitWindow *Controller::exitWindow() const
{
    return m_exit;
}

void Controller::startup()
{
    // The invisible start-up window is first in load order; unloading it ends the program.
    m_registry.loaded(StartupName, [this] { endProgram(); });

    if (!m_services.instance.acquire()) {
        m_services.messages.show(
            QCoreApplication::translate("Controller", "Application is already running"),
            text::appTitle(), MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
        endProgram();
        return;
    }
    attempt("seeding the random generator", [this] { m_services.random.seedFromClock(); });
    attempt("the update reminder", [this] { checkUpdateReminder(m_services); });
    attempt("showing the question window", [this] { showQuestionWindow(); });
    // A copy without a window would hold the lock, and refuse every later start, for nothing.
    if (!m_main || !m_main->isVisible()) {
        qCInfo(lcApp, "the question window could not be shown: ending");
        endProgram();
        return;
    }
    attempt("the co-brand draw", [this] { drawCoBrand(); });
}

template <typename Window> void Controller::forwardPages(Window *window)
{
    connect(window, &Window::pageRequested, this, [this](Page page) { m_pages.openPage(page); });
}

void Controller::recordLoaded(QWidget *window, const QString &name)
{
    m_registry.loaded(name, [window = QPointer<QWidget>(window)] {
        if (window)
            window->close();
    });
}

void Controller::present(gui::FormWindow *window)
{
    window->centreOnScreen();
    window->show();
    window->activateWindow();
}

void Controller::wireMainForm(gui::MainForm *form, const QString &name)
{
    forwardPages(form);
    connect(form, &gui::MainForm::aboutRequested, this, [this, form] { showAbout(form); });
    connect(form, &gui::FormWindow::unloading, this, [this, name] { mainFormUnloading(name); });
    recordLoaded(form, name);
}

gui::QuestionWindow *Controller::loadQuestionWindow()
{
    if (!m_main) {
        m_main = new gui::QuestionWindow;
        connect(m_main, &gui::QuestionWindow::nextClicked, this, &Controller::next);
        wireMainForm(m_main, MainName);
    }
    return m_main;
}

gui::ResultWindow *Controller::loadResultWindow()
{
    if (!m_display) {
        m_display = new gui::ResultWindow;
        connect(m_display, &gui::ResultWindow::backClicked, this, &Controller::back);
        wireMainForm(m_display, DisplayName);
    }
    return m_display;
}

gui::ExitWindow *Controller::loadExitWindow()
{
    if (!m_exit) {
        m_services.random.seedFromClock();
        const int support = supportTextIndex(m_services.random.next());
        m_exit = new gui::ExitWindow(support, m_refusals);
        forwardPages(m_exit.data());
        connect(m_exit, &gui::ExitWindow::submitClicked, this, &Controller::submitReferral);
        connect(m_exit, &gui::FormWindow::unloading, this, [this] {
            m_registry.unloading(ExitName);
            m_exit = nullptr;
            endProgram();
            m_registry.unloaded(ExitName);
        });
        recordLoaded(m_exit, ExitName);
    }
    return m_exit;
}

void Controller::submitReferral()
{
    // A refusal opens above the exit window; a complete form goes to the browser.
    const Referral outcome = m_referral.submit(m_exit->fieldTexts());
    if (!outcome.refusal.isEmpty())
        m_refusals.refuse(m_exit, outcome.refusal);
    else
        m_services.opener.open(outcome.address);
}

void Controller::mainFormUnloading(const QString &name)
{
    m_registry.unloading(name);
    // The window is destroyed once its close is done; forget it now so a
    // window shown again starts from its definition.
    if (name == MainName)
        m_main = nullptr;
    else
        m_display = nullptr;
    // On the way to the other main window it is loaded but stays hidden, so
    // it never reaches the screen; only a real close shows it. While
    // endProgram unloads everything, nothing more is loaded or shown.
    if (!m_registry.ending()) {
        attempt("showing the exit window", [this] {
            gui::ExitWindow *exit = loadExitWindow();
            if (!m_navigating)
                exit->showOnTop();
        });
    }
    m_registry.unloaded(name);
}

void Controller::navigateAway(QWidget *window)
{
    m_navigating = true;
    window->close();
    m_navigating = false;
}

void Controller::showQuestionWindow()
{
    present(loadQuestionWindow());
}

void Controller::next()
{
    gui::QuestionWindow *window = m_main;
    if (!window || m_registry.ending())
        return;
    QuestionScreen screen = window->screen();
    ResultLines lines;
    switch (pressNext(m_state, screen, lines)) {
    case NextOutcome::Ignored:
        return;
    case NextOutcome::GaveUp:
        qCDebug(lcApp).noquote() << "gave up" << m_state.givenUp;
        window->display(screen);
        return;
    case NextOutcome::Result:
        break;
    }
    gui::ResultWindow *display = loadResultWindow();
    display->setLines(lines);
    if (lcApp().isDebugEnabled()) {
        QStringList shown;
        for (int i = 0; i < AnimalCount; ++i)
            shown << display->orderLabel(i)->text();
        qCDebug(lcApp).noquote() << "result window shows:" << shown.join(QStringLiteral(" | "));
    }
    navigateAway(window);
    loadExitWindow()->hide();
    present(display);
}

void Controller::back()
{
    if (m_registry.ending())
        return;
    m_state.reset();
    if (m_display)
        navigateAway(m_display);
    showQuestionWindow();
    loadExitWindow()->hide();
}

void Controller::showAbout(QWidget *owner)
{
    if (m_registry.ending())
        return;
    // Owned by the window it was chosen from, so it opens and stays above it.
    gui::AboutBox box(owner);
    forwardPages(&box);
    box.exec();
}

void Controller::drawCoBrand()
{
    const int number = tavrisk::coBrandNumber(m_services.random.next());
    if (m_main)
        m_main->putInFront(coBrandOutcome(number));
}

void Controller::endProgram()
{
    m_registry.endProgram();
}

} // namespace tavrisk::app
