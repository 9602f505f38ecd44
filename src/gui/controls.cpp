#include "gui/controls.h"

#include "gui/accessibility.h"
#include "gui/look.h"

#include <QPushButton>

namespace tavrisk::gui {

QWidget *addBand(QWidget *parent, const char *name, const QRect &rect, const QColor &colour)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QLatin1String(name));
    band->setGeometry(rect);
    setBackground(band, colour);
    return band;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                       const QFont &font, const QColor &face)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    if (face.isValid()) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, face);
        pal.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(pal);
    }
    return button;
}

Group::Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect)
    : QWidget(parent)
{
    installAccessibility();
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setGeometry(rect);
}

} // namespace tavrisk::gui
