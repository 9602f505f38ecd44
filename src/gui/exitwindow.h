#pragma once

#include "core/referral/referralform.h"
#include "core/web/addresses.h"
#include "gui/formwindow.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tavrisk::gui {

class Refusals;

// exitWindow: the last window, shown when a main window closes. Holds the
// refer-a-friend form; closing it in any way ends the program.
class ExitWindow : public FormWindow
{
    Q_OBJECT
public:
    // `supportIndex` picks the support text drawn by the load step.
    ExitWindow(int supportIndex, Refusals &refusals);

    // The five fields' texts in capture order (the message with CR LF line breaks).
    std::array<QString, ReferFieldCount> fieldTexts() const;
    QWidget *field(ReferField f) const { return m_fields.at(static_cast<int>(f)); }
    QString fieldText(ReferField f) const;
    void setFieldText(ReferField f, const QString &text);

    QPushButton *exitButton() const { return m_close; }
    QPushButton *submitButton() const { return m_submit; }
    QCheckBox *visitCheck() const { return m_check; }
    QLabel *supportLabel() const { return m_support; }

    // Above all other windows, and active.
    void showOnTop();

Q_SIGNALS:
    void pageRequested(tavrisk::Page page);
    void submitClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void activatedAfterShow() override;

private Q_SLOTS:
    void finishPendingEntries();

private:
    void addSoftwares(QWidget *c);
    void addReferralForm(QWidget *c);
    void addVisitArea(QWidget *c);
    QWidget *addHeading(QWidget *c, int supportIndex);
    void setKeyboardOrder(QWidget *icon);
    void enterField(ReferField f);
    void finishEntering(ReferField f);

    Refusals &m_refusals;
    std::array<QWidget *, ReferFieldCount> m_fields{};
    QPushButton *m_close = nullptr;
    QPushButton *m_submit = nullptr;
    QCheckBox *m_check = nullptr;
    QLabel *m_support = nullptr;
    std::array<bool, ReferFieldCount> m_entering{}; // hint not yet cleared on focus
    bool m_placed = false;
};

} // namespace tavrisk::gui
