#pragma once

#include <QIconEngine>

namespace tavrisk::gui {

// Every menu bar gives its overflow button an icon at once, and Fusion's is
// decoded from PNGs through the image plugins: work at every start for a
// button the fixed-width windows never show. This one decodes on first use.
class DeferredIcon : public QIconEngine
{
public:
    QIconEngine *clone() const override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    const QIcon &icon();
    QIcon m_icon;
};

} // namespace tavrisk::gui
