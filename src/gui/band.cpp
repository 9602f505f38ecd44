#include "gui/band.h"

#include "gui/look.h"

#include <QWidget>

namespace tavrisk::gui {

QWidget *addBand(QWidget *parent, const char *name, const QRect &rect, const QColor &colour)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QLatin1String(name));
    band->setGeometry(rect);
    setBackground(band, colour);
    return band;
}

} // namespace tavrisk::gui
