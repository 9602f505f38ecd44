#include "gui/linklabel.h"

#include "gui/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>
#include <utility>

namespace tavrisk::gui {

// No focus policy of its own: a label that takes focus lays its text out as
// a rich-text document, which start-up would pay for (bench/README.md). Tab
// reaches it through focusNextStop() instead.
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

bool focusNextStop(QWidget *window, QWidget *first, bool next)
{
    auto shown = [window](const QWidget *w) {
        return window->isAncestorOf(w) && w->isVisible() && w->isEnabled() && !w->focusProxy();
    };
    // The window's own stops, in its keyboard order...
    QList<QWidget *> stops;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && shown(w))
            stops << w;
    }
    // The keyboard order is a ring: it starts where the window opens.
    const qsizetype start = stops.indexOf(first);
    if (start > 0)
        std::rotate(stops.begin(), stops.begin() + start, stops.end());
    // ...then its links, in reading order.
    QList<LinkLabel *> links = window->findChildren<LinkLabel *>();
    links.removeIf([&](const LinkLabel *l) { return !shown(l); });
    // Right to left, a line reads from its right end.
    auto readingPlace = [window](const QWidget *w) {
        const QPoint p = w->mapTo(window, QPoint());
        return std::pair(p.y(), window->isRightToLeft() ? -(p.x() + w->width()) : p.x());
    };
    std::stable_sort(links.begin(), links.end(),
                     [&](QWidget *a, QWidget *b) { return readingPlace(a) < readingPlace(b); });
    for (LinkLabel *l : links)
        stops << l;
    if (stops.isEmpty())
        return false;
    const qsizetype count = stops.size();
    const qsizetype at = stops.indexOf(window->focusWidget());
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
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
