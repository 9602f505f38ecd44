#pragma once

#include <QMainWindow>

class QPushButton;

namespace tavrisk::gui {

// What every window of the program starts with: its name (also its window
// role, so desktop tools and the end-to-end tests tell the windows apart),
// the program's caption and icon, and the windows' font.
void setUpWindow(QWidget *window, const char *name);

// A fixed-size top-level window: title, icon, no minimise or maximise box,
// a client area of the given size below any menu bar, centred when shown.
// Closing it, for whatever reason, emits unloading() and destroys it.
// Enter and Esc work as in a dialog: Esc clicks the cancel button, Enter the
// focused push button or else the default button.
class FormWindow : public QMainWindow
{
    Q_OBJECT
public:
    FormWindow(const char *name, int clientWidthTwips, int clientHeightTwips,
               const QColor &background);

    QWidget *client() const { return m_client; }
    void setDefaultButton(QPushButton *button) { m_default = button; }
    void setCancelButton(QPushButton *button) { m_cancel = button; }
    // Where the keyboard order starts: the focus when the window opens.
    void setFirstStop(QWidget *widget) { m_firstStop = widget; }
    void centreOnScreen();

Q_SIGNALS:
    void unloading();

protected:
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;
    // Once the window is active after each showing: screen readers take news
    // of the active window only.
    virtual void activatedAfterShow() {}
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_client;
    QPushButton *m_default = nullptr;
    QPushButton *m_cancel = nullptr;
    QWidget *m_firstStop = nullptr;
    bool m_awaitingActivation = false;
};

} // namespace tavrisk::gui
