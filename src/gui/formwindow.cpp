#include "gui/formwindow.h"

#include "core/program.h"
#include "gui/icon.h"
#include "gui/linklabel.h"
#include "gui/look.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

namespace tavrisk::gui {

void setUpWindow(QWidget *window, const char *name)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowRole(window->objectName());
    window->setWindowTitle(text::windowCaption());
    window->setWindowIcon(programIcon());
    window->setFont(programFont(8.25));
}

FormWindow::FormWindow(const char *name, int clientWidthTwips, int clientHeightTwips,
                       const QColor &background)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_client(new QWidget(this))
{
    setUpWindow(this, name);
    setAttribute(Qt::WA_DeleteOnClose);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    if (background.isValid())
        setBackground(m_client, background);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::centreOnScreen()
{
    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

bool FormWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Show) {
        m_awaitingActivation = true;
    } else if (event->type() == QEvent::WindowActivate && m_awaitingActivation) {
        m_awaitingActivation = false;
        activatedAfterShow();
    }
    return QMainWindow::event(event);
}

bool FormWindow::focusNextPrevChild(bool next)
{
    return focusNextStop(this, m_firstStop, next);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT unloading();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~(Qt::KeypadModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    QPushButton *target = nullptr;
    if (event->key() == Qt::Key_Escape) {
        target = m_cancel;
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        target = qobject_cast<QPushButton *>(focusWidget());
        if (!target || !target->isEnabled())
            target = m_default;
    }
    if (target && target->isVisible() && target->isEnabled()) {
        target->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace tavrisk::gui
