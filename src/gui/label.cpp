#include "gui/label.h"

#include "gui/look.h"

#include <QHash>

namespace tavrisk::gui {

// Verdana's stand-ins run a little wider; where a text would not fit the
// room its layout gives it, the label steps its font down until it does.
// Each measurement builds a font engine and lays the text out, so a size is
// found once per font, text and room and then remembered: the windows built
// again after Back, and the labels both main windows share, measure nothing.
static QFont fittedFont(QFont font, const QString &text, int flags, QSize room)
{
    static QHash<QString, qreal> fitted;
    const QString key = QStringLiteral("%1|%2x%3|%4|")
                            .arg(font.key())
                            .arg(room.width())
                            .arg(room.height())
                            .arg(flags) +
                        text;
    const auto known = fitted.constFind(key);
    if (known != fitted.constEnd()) {
        font.setPointSizeF(*known);
        return font;
    }
    font = shrunkToFit(font, [&](const QFont &f) {
        const QRect needed = QFontMetrics(f).boundingRect(QRect(QPoint(), room), flags, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
    fitted.insert(key, font.pointSizeF());
    return font;
}

void Label::place(const char *name, const QString &text, const QRect &rect, const QFont &font,
                  const QColor &foreground, Fit how)
{
    setObjectName(QLatin1String(name));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(how == Fit::Wrapped);
    m_designFont = font;
    m_autoSize = how == Fit::ToText;
    setFont(font);
    setForeground(this, foreground);
    setText(text);
    gui::place(this, rect);
    fit();
}

void Label::fit()
{
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    QSize room = contentsRect().size();
    // Sized to its text, it grows from its leading edge towards the panel's far one.
    const int leadingEdge = isRightToLeft() ? x() + width() : x();
    if (m_autoSize) {
        const QWidget *panel = parentWidget();
        const int reach = !panel            ? QWIDGETSIZE_MAX
                          : isRightToLeft() ? leadingEdge
                                            : panel->width() - leadingEdge;
        room = QSize(reach, QWIDGETSIZE_MAX);
    }
    setFont(fittedFont(m_designFont, text(), flags, room));
    if (m_autoSize) {
        resize(sizeHint());
        if (isRightToLeft())
            move(leadingEdge - width(), y());
    }
}

Label *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                const QFont &font, const QColor &foreground, Fit how)
{
    auto *label = new Label(parent);
    label->place(name, text, rect, font, foreground, how);
    return label;
}

QString labelDisplayText(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out.append(u'&');
                ++i;
            }
            continue;
        }
        out.append(caption[i]);
    }
    return out;
}

} // namespace tavrisk::gui
