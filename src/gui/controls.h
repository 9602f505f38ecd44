#pragma once

#include <QColor>
#include <QWidget>

class QFont;
class QAbstractButton;
class QGroupBox;
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

// Steps the button's font down from `font` until its caption fits inside its
// frame or beside its mark: translations run longer than the design's texts.
void fitCaption(QAbstractButton *button, const QFont &font);

// The same for a panel's title, which must fit across the panel.
void fitTitle(QGroupBox *panel, const QFont &font);

// A widget that only groups others, named for screen readers.
class Group : public QWidget
{
    Q_OBJECT
public:
    Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect);
};

} // namespace tavrisk::gui
