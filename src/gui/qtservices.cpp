#include "gui/qtservices.h"

#include "gui/look.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace tavrisk::gui {

void DesktopOpener::open(const QUrl &address)
{
    // Starts the desktop's opener detached; a machine without one shows nothing.
    QDesktopServices::openUrl(address);
}

MessageBoxes::Answer QtMessageBoxes::show(QWidget *owner, const QString &text, const QString &title,
                                          Icon icon, Buttons buttons)
{
    // With its owner the box is transient for that window, so the window
    // manager keeps it above it, also above a window that stays on top.
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Information, title,
                    shownLines(text), QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    // Without an owner the box comes at start-up, before any window of this
    // copy: kept above every window, another copy's included, and brought to
    // the front, so that a copy waiting on it is never hidden.
    if (!owner)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    if (!owner) {
        box.show();
        box.activateWindow();
    }
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace tavrisk::gui
