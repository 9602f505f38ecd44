#pragma once

#include <QColor>

class QFont;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace tavrisk::gui {

// A push button at a fixed place that is never a default button by focus
// alone; `face`, where given, paints its face with black text.
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                       const QFont &font, const QColor &face = QColor());

} // namespace tavrisk::gui
