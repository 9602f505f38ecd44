#pragma once

#include "gui/label.h"

namespace tavrisk::gui {

// A label that reads as a link: hand pointer, clicked() on a mouse release
// inside it or on Enter while it has the keyboard focus, which Tab gives it
// (focusNextStop()).
// Screen readers see it as a link whose press action clicks it.
class LinkLabel : public Label
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);
    void activate() { Q_EMIT clicked(); }
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// Tab and Shift+Tab within `window`: its own stops in its keyboard order
// from `first`, then its links in reading order (top to bottom, left to
// right), and round. False where there is no stop.
bool focusNextStop(QWidget *window, QWidget *first, bool next);

LinkLabel *addLink(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                   const QFont &font, const QColor &foreground, Fit how = Fit::Wrapped);

} // namespace tavrisk::gui
