#include "gui/linklabel.h"

#include "gui/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tavrisk::gui {

LinkLabel::LinkLabel(QWidget *parent) : Label(parent)
{
    installAccessibility();
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            activate();
            return;
        }
    }
    Label::keyPressEvent(event);
}

// The text shows no caret, so a focused link is outlined as the style outlines focus.
void LinkLabel::paintEvent(QPaintEvent *event)
{
    Label::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

LinkLabel *addLink(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                   const QFont &font, const QColor &foreground, Fit how)
{
    auto *label = new LinkLabel(parent);
    label->place(name, text, rect, font, foreground, how);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace tavrisk::gui
