#pragma once

class QColor;
class QRect;
class QWidget;

namespace tavrisk::gui {

// A coloured frame of a main window: the bands above and below its middle.
QWidget *addBand(QWidget *parent, const char *name, const QRect &rect, const QColor &colour);

} // namespace tavrisk::gui
