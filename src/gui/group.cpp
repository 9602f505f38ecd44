#include "gui/group.h"

#include "gui/accessibility.h"

namespace tavrisk::gui {

Group::Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect)
    : QWidget(parent)
{
    installAccessibility();
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setGeometry(rect);
}

} // namespace tavrisk::gui
