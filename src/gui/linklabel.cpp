#include "gui/linklabel.h"

#include "gui/accessibility.h"

#include <QMouseEvent>

namespace tavrisk::gui {

LinkLabel::LinkLabel(QWidget *parent) : Label(parent)
{
    installAccessibility();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
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
