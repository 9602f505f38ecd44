#pragma once

#include <QIconEngine>

#include <memory>

class QStyle;

namespace tavrisk::gui {

// Every menu bar gives its overflow button an icon at once, for a button the
// fixed-width windows never show: this one is read on first use (see icon.h).
class DeferredIcon : public QIconEngine
{
public:
    DeferredIcon();
    ~DeferredIcon() override;
    QIconEngine *clone() const override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    const QIcon &icon();
    // The icon may be drawn after the program's style is gone, and Qt
    // versions differ in what Fusion hands out, so it comes from a Fusion
    // of its own, kept as long as the icon.
    std::unique_ptr<QStyle> m_style;
    QIcon m_icon;
};

} // namespace tavrisk::gui
