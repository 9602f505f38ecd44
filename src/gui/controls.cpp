#include "gui/controls.h"

#include "gui/accessibility.h"
#include "gui/look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace tavrisk::gui {

QWidget *addBand(QWidget *parent, const char *name, const QRect &rect, const QColor &colour)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QLatin1String(name));
    place(band, rect);
    setBackground(band, colour);
    return band;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                       const QFont &font, const QColor &face)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    place(button, rect);
    fitCaption(button, font);
    button->setAutoDefault(false);
    if (face.isValid()) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, face);
        pal.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(pal);
    }
    return button;
}

void fitCaption(QAbstractButton *button, const QFont &font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents =
        qobject_cast<QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                               : QStyle::SE_PushButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    button->setFont(shrunkToFit(font, [&](const QFont &f) {
        const QSize needs =
            QFontMetrics(f).size(Qt::TextShowMnemonic | Qt::TextSingleLine, button->text());
        return needs.width() <= room.width() && needs.height() <= button->height();
    }));
}

void fitTitle(QGroupBox *panel, const QFont &font)
{
    QStyleOptionGroupBox option;
    option.initFrom(panel);
    option.text = panel->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = panel->alignment();
    panel->setFont(shrunkToFit(font, [&](const QFont &f) {
        // The style places the title by the panel's font metrics.
        option.fontMetrics = QFontMetrics(f);
        return panel->rect().contains(panel->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, panel));
    }));
}

Group::Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect)
    : QWidget(parent)
{
    installAccessibility();
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    gui::place(this, rect);
}

} // namespace tavrisk::gui
