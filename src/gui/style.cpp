#include "gui/style.h"

#include <QApplication>
#include <QCommonStyle>
#include <QIconEngine>
#include <QPixmapCache>
#include <QProxyStyle>

namespace tavrisk::gui {

namespace {

// Every menu bar gives its overflow button an icon at once, and Fusion's is
// decoded from PNGs through the image plugins: work at every start for a
// button the fixed-width windows never show. This one decodes on first use.
class DeferredIcon : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new DeferredIcon; }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

private:
    // Fusion takes this icon from the common style, which outlives no one.
    const QIcon &icon()
    {
        if (m_icon.isNull())
            m_icon = QCommonStyle().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        return m_icon;
    }
    QIcon m_icon;
};

class Style : public QProxyStyle
{
public:
    Style() : QProxyStyle(QStringLiteral("Fusion")) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new DeferredIcon);
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void configureApplication()
{
    // Fusion paints the palette's button faces and colours on every platform.
    auto *style = new Style;
    style->setParent(qApp); // as setStyle() would: the application owns its style
    QApplication::setStyle(style);
    // Only EndProgram ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // The style caches pixmaps keyed by palette, and every window built anew
    // brings new palettes: a small cache keeps that from piling up to 10 MB.
    QPixmapCache::setCacheLimit(2048);
}

} // namespace tavrisk::gui
