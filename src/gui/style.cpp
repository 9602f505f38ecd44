#include "gui/style.h"

#include "gui/deferredicon.h"

namespace tavrisk::gui {

Style::Style() : QProxyStyle(QStringLiteral("Fusion")) {}

QIcon Style::standardIcon(StandardPixmap which, const QStyleOption *option,
                          const QWidget *widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton && !option)
        return QIcon(new DeferredIcon);
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace tavrisk::gui
