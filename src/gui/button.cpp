#include "gui/button.h"

#include <QPushButton>

namespace tavrisk::gui {

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

} // namespace tavrisk::gui
