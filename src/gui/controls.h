#pragma once

#include <QColor>
#include <QWidget>

class QFont;
class QPushButton;
class QRect;
class QString;

namespace tavrisk::gui {

// The plain building blocks the windows are laid out with, each at a fixed
// place and named for tests and screen readers.

// A coloured frame of a main window: the bands above and below its middle.
QWidget *addBand(QWidget *parent, const char *name, const QRect &rect, const QColor &colour);

// A push button that is never a default button by focus alone; `face`, where
// given, paints its face with black text.
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                       const QFont &font, const QColor &face = QColor());

// A widget that only groups others, named for screen readers.
class Group : public QWidget
{
    Q_OBJECT
public:
    Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect);
};

} // namespace tavrisk::gui
