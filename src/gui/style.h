#pragma once

#include <QProxyStyle>

namespace tavrisk::gui {

// The program's style: Fusion, which paints the palette's button faces and
// colours on every platform, with the menu bar's overflow icon deferred.
class Style : public QProxyStyle
{
public:
    Style();
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override;
};

} // namespace tavrisk::gui
