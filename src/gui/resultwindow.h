#pragma once

#include "core/quiz/testrun.h"
#include "gui/mainform.h"

#include <array>

namespace tavrisk::gui {

// resultWindow: the legend, the order the animals were given up in, and the
// values in that order.
class ResultWindow : public MainForm
{
    Q_OBJECT
public:
    ResultWindow();

    void setLines(const ResultLines &lines);
    QPushButton *backButton() const { return m_back; }
    QLabel *orderLabel(int i) const { return m_order.at(i); }
    QLabel *valueLabel(int i) const { return m_value.at(i); }

Q_SIGNALS:
    void backClicked();

protected:
    void activatedAfterShow() override;

private:
    std::array<QWidget *, 3> m_lists{}; // legend, chosen order, values
    std::array<Label *, AnimalCount> m_order{};
    std::array<Label *, AnimalCount> m_value{}; // valuedLineOne .. Five
    QPushButton *m_back = nullptr;
};

} // namespace tavrisk::gui
