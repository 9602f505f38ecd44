#pragma once

#include "app/windowregistry.h"
#include "core/platform/services.h"
#include "core/quiz/testrun.h"
#include "core/referral/referralform.h"
#include "core/web/pageopener.h"

#include <QObject>
#include <QPointer>

namespace tavrisk::gui {
class QuestionWindow;
class ResultWindow;
class ExitWindow;
class MainForm;
class FormWindow;
class Refusals;
} // namespace tavrisk::gui

namespace tavrisk::app {

// The windows' life cycle in one place: each window is created on first use
// and loses its state when it unloads; the start-up sequence, the moves
// between the two main windows, and the one road out through endProgram.
class Controller : public QObject
{
    Q_OBJECT
public:
    Controller(Services &services, gui::Refusals &refusals);
    ~Controller() override;

    void startup();

    // Loaded windows, or null.
    gui::QuestionWindow *question() const;
    gui::ResultWindow *result() const;
    gui::ExitWindow *exitWindow() const;

    void next();
    void back();
    void showAbout(QWidget *owner);
    void drawCoBrand();
    void endProgram();

    const TestState &testState() const { return m_state; }
    const WindowRegistry &registry() const { return m_registry; }

private:
    gui::QuestionWindow *loadQuestionWindow();
    gui::ResultWindow *loadResultWindow();
    gui::ExitWindow *loadExitWindow();
    template <typename Window> void forwardPages(Window *window);
    void recordLoaded(QWidget *window, const QString &name);
    static void present(gui::FormWindow *window);
    void wireMainForm(gui::MainForm *form, const QString &name);
    void mainFormUnloading(const QString &name);
    // Closes a main window on the way to the other one.
    void navigateAway(QWidget *window);
    void showQuestionWindow();
    void submitReferral();

    Services &m_services;
    gui::Refusals &m_refusals;
    PageOpener m_pages;
    WindowRegistry m_registry;
    ReferralForm m_referral;
    TestState m_state;
    bool m_navigating = false;
    QPointer<gui::QuestionWindow> m_main;
    QPointer<gui::ResultWindow> m_display;
    QPointer<gui::ExitWindow> m_exit;
};

} // namespace tavrisk::app
