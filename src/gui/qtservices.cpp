#include "gui/qtservices.h"

#include "core/program.h"
#include "gui/look.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace tavrisk::gui {

void DesktopOpener::open(const QUrl &address)
{
    // Starts the desktop's opener detached; a machine without one shows nothing.
    QDesktopServices::openUrl(address);
}

MessageBoxes::Answer QtMessageBoxes::show(const QString &text, const QString &title, Icon icon,
                                          Buttons buttons)
{
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Information, title,
                    shownLines(text));
    box.setTextFormat(Qt::PlainText);
    // Shown at start-up, before any window of this copy: kept above every
    // window, another copy's included, and brought to the front, so that a
    // copy waiting on it is never hidden.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    box.show();
    box.activateWindow();
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtMessageBoxes::refuse(QWidget *owner, const QString &text)
{
    // Transient for its owner, so the window manager keeps it above that
    // window, also above one that stays on top.
    QMessageBox box(QMessageBox::Critical, text::appTitle(), shownLines(text), QMessageBox::Ok,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

} // namespace tavrisk::gui
