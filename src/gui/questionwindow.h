#pragma once

#include "core/quiz/testrun.h"
#include "gui/mainform.h"

#include <array>

class QRadioButton;

namespace tavrisk::gui {

// questionWindow: the story, the prompt, the animals still offered and Next.
// It shows a QuestionScreen and reports the selection; the test's rules live elsewhere.
class QuestionWindow : public MainForm
{
    Q_OBJECT
public:
    QuestionWindow();

    QuestionScreen screen() const; // what is shown, with the current selection
    void display(const QuestionScreen &screen);

    QRadioButton *option(int index) const { return m_options.at(index); }
    QPushButton *nextButton() const { return m_next; }
    QLabel *messageLabel() const { return m_message; }

Q_SIGNALS:
    void nextClicked();

private:
    std::array<QRadioButton *, AnimalCount> m_options{};
    QPushButton *m_next = nullptr;
    Label *m_message = nullptr;
    QuestionScreen m_shown;
};

} // namespace tavrisk::gui
