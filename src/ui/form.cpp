#include "ui/form.h"

#include "test/content.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QStyleFactory>
#include <memory>

// Resources linked from a static library must be registered by hand.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace tavrisk::ui {

QFont verdana(qreal points, bool bold, bool underline)
{
    // Looked up once, among the installed families: a family list would send
    // every new size through the missing family's lookup, and hasFamily()
    // would run the name through every substitution rule first.
    static const QString family =
        QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
            ? QStringLiteral("Verdana")
            : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(widget->backgroundRole(), colour); // Button, for buttons
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

QString shownLines(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

// Verdana's stand-ins run a little wider; where a text would not fit the
// room its layout gives it, the label steps its font down until it does.
// Each measurement builds a font engine and lays the text out, so a size is
// found once per font, text and room and then remembered: the windows built
// again after Back, and the labels both main windows share, measure nothing.
static void fitFont(QLabel *label, QSize room)
{
    const QVariant design = label->property("designFont");
    QFont font = design.isValid() ? design.value<QFont>() : label->font();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    static QHash<QString, qreal> fitted;
    const QString key = QStringLiteral("%1|%2x%3|%4|")
                            .arg(font.key())
                            .arg(room.width())
                            .arg(room.height())
                            .arg(flags) +
                        label->text();
    const auto known = fitted.constFind(key);
    if (known != fitted.constEnd()) {
        font.setPointSizeF(*known);
        label->setFont(font);
        return;
    }
    auto fits = [&] {
        const QRect needed =
            QFontMetrics(font).boundingRect(QRect(QPoint(), room), flags, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    // Today's labels fit at their own size or a step or two below, so
    // stepping down measures least (bisection would start in the middle).
    while (!fits() && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    fitted.insert(key, font.pointSizeF());
    label->setFont(font);
}

void fitLabel(QLabel *label, bool autoSize)
{
    if (!autoSize) {
        fitFont(label, label->contentsRect().size());
        return;
    }
    const QWidget *parent = label->parentWidget();
    const int room = parent ? parent->width() - label->x() : QWIDGETSIZE_MAX;
    fitFont(label, QSize(room, QWIDGETSIZE_MAX));
    label->resize(label->sizeHint());
}

static void placeLabel(QLabel *label, const char *name, const QString &text, const QRect &rect,
                       const QFont &font, const QColor &foreground, bool wrap, bool autoSize)
{
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setFont(font);
    label->setProperty("designFont", font);
    setForeground(label, foreground);
    label->setText(text);
    label->setGeometry(rect);
    fitLabel(label, autoSize);
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                 const QFont &font, const QColor &foreground, bool wrap, bool autoSize)
{
    auto *label = new QLabel(parent);
    placeLabel(label, name, text, rect, font, foreground, wrap, autoSize);
    return label;
}

namespace {

class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
    }
};

QAccessibleInterface *accessibleFor(const QString & /*className*/, QObject *object)
{
    if (auto *link = qobject_cast<LinkLabel *>(object))
        return new AccessibleLink(link);
    if (auto *group = qobject_cast<Group *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    return nullptr;
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    installAccessibility();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

Group::Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect)
    : QWidget(parent)
{
    installAccessibility();
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setGeometry(rect);
}

LinkLabel *addLink(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                   const QFont &font, const QColor &foreground, bool autoSize)
{
    auto *label = new LinkLabel(parent);
    placeLabel(label, name, text, rect, font, foreground, !autoSize, autoSize);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                       const QFont &font, const QColor &face)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    if (face.isValid()) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, face);
        pal.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(pal);
    }
    return button;
}

FormWindow::FormWindow(const char *name, int clientWidthTwips, int clientHeightTwips,
                       const QColor &background)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_client(new QWidget(this))
{
    setObjectName(QLatin1String(name));
    // Lets desktop tools (and the end-to-end tests) tell the windows apart.
    setWindowRole(objectName());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(text::windowCaption());
    setWindowIcon(programIcon());
    setFont(verdana(8.25));
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    if (background.isValid())
        setBackground(m_client, background);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::centreOnScreen()
{
    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT unloading();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~(Qt::KeypadModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    QPushButton *target = nullptr;
    if (event->key() == Qt::Key_Escape) {
        target = m_cancel;
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        target = qobject_cast<QPushButton *>(focusWidget());
        if (!target || !target->isEnabled())
            target = m_default;
    }
    if (target && target->isVisible() && target->isEnabled()) {
        target->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

namespace {

// A standard icon read from its image files only when first drawn or
// measured. Every menu bar makes its overflow button at once, with such an
// icon, and decoding it means scanning the image plugins: work at every start
// for a button that the windows' fixed widths never show. It is read from a
// Fusion of its own, so a copy outlives any change of the application's style.
class DeferredIcon : public QIconEngine
{
public:
    explicit DeferredIcon(QStyle::StandardPixmap which) : m_which(which) {}
    QIconEngine *clone() const override { return new DeferredIcon(*this); }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Asked of every icon a button is given; answered without decoding.
    bool isNull() override { return m_loaded && m_icon.isNull(); }
    QString key() const override { return QStringLiteral("tavrisk-deferred"); }

private:
    const QIcon &icon()
    {
        if (!m_loaded) {
            const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
            if (fusion)
                m_icon = fusion->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

class Style : public QProxyStyle
{
public:
    Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new DeferredIcon(which));
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

QIcon programIcon()
{
    static const QIcon icon = [] {
        initAssets();
        QIcon i;
        // Raw pixels, not PNG: nothing to decode and no image plugins to look
        // up at start-up. Up to 64 px covers the title bar and the about box
        // on displays scaled to 200%.
        for (int size : {16, 32, 48, 64}) {
            const QResource raw(QStringLiteral(":/icons/tavrisk-%1.rgba").arg(size));
            const QByteArray bytes = raw.uncompressedData();
            const qsizetype bytesPerLine = qsizetype(size) * 4;
            if (bytes.size() != bytesPerLine * size)
                continue;
            const QImage image(reinterpret_cast<const uchar *>(bytes.constData()), size, size,
                               bytesPerLine, QImage::Format_RGBA8888);
            i.addPixmap(QPixmap::fromImage(image)); // a copy, made before `bytes` goes
        }
        return i;
    }();
    return icon;
}

} // namespace tavrisk::ui
