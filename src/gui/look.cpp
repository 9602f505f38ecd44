#include "gui/look.h"

#include <QFontDatabase>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace tavrisk::gui {

namespace {

// Looked up among the installed families: a family list would send every new
// size through the missing family's lookup, and hasFamily() would run the
// name through every substitution rule first.
QString defaultFamily()
{
    static const QString family =
        QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
            ? QStringLiteral("Verdana")
            : QStringLiteral("DejaVu Sans");
    return family;
}

bool &unhinted()
{
    static bool value = false;
    return value;
}

} // namespace

void useFontsFor(const QLocale &language)
{
    // Japanese brings hundreds of ideographs, Arabic four forms of each
    // letter, each glyph loaded and hinted apart at every size: hinting does
    // little for them at these sizes and made start-up a tenth (Arabic) to a
    // third (Japanese) slower.
    const QLocale::Language l = language.language();
    unhinted() = l == QLocale::Japanese || l == QLocale::Arabic;
}

QFont programFont(qreal points, FontStyle style)
{
    QFont font(defaultFamily());
    font.setStyleHint(QFont::SansSerif);
    if (unhinted())
        font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    font.setBold(style & Bold);
    font.setUnderline(style & Underline);
    return font;
}

void place(QWidget *widget, const QRect &rect)
{
    const QWidget *parent = widget->parentWidget();
    widget->setGeometry(parent ? QStyle::visualRect(widget->layoutDirection(), parent->rect(), rect)
                               : rect);
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

} // namespace tavrisk::gui
