#pragma once

#include <QIconEngine>

namespace tavrisk::gui {

// Every menu bar gives its overflow button an icon at once, for a button the
// fixed-width windows never show: this one is read on first use (see icon.h).
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
