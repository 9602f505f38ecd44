#include "gui/deferredicon.h"

#include <QStyle>
#include <QStyleFactory>

namespace tavrisk::gui {

DeferredIcon::DeferredIcon() = default;
DeferredIcon::~DeferredIcon() = default;

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

QPixmap DeferredIcon::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                                   qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

const QIcon &DeferredIcon::icon()
{
    if (!m_style) {
        m_style.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        m_icon = m_style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    }
    return m_icon;
}

} // namespace tavrisk::gui
