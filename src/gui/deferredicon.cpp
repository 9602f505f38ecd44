#include "gui/deferredicon.h"

#include <QCommonStyle>

namespace tavrisk::gui {

QIconEngine *DeferredIcon::clone() const
{
    return new DeferredIcon;
}

void DeferredIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIcon::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

// Fusion takes this icon from the common style, which outlives no one.
const QIcon &DeferredIcon::icon()
{
    if (m_icon.isNull())
        m_icon = QCommonStyle().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    return m_icon;
}

} // namespace tavrisk::gui
