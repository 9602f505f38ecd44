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

// Set for a language whose script the default family lacks or draws slowly.
struct Fonts
{
    QString family;
    bool unhinted = false;
};

Fonts &languageFonts()
{
    static Fonts fonts;
    return fonts;
}

// A Japanese family the system has, Windows' own first.
QString japaneseFamily()
{
    const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
    for (const char *name : {"Yu Gothic UI", "Meiryo UI", "MS UI Gothic", "Noto Sans CJK JP",
                             "VL PGothic", "IPAPGothic", "VL Gothic", "IPAGothic"}) {
        if (installed.contains(QLatin1String(name)))
            return QLatin1String(name);
    }
    return installed.value(0);
}

} // namespace

void useFontsFor(const QLocale &language)
{
    Fonts &fonts = languageFonts();
    // Japanese brings hundreds of ideographs, Arabic up to four forms of each
    // letter, each glyph loaded and hinted apart at every size: hinting does
    // little for them at these sizes and made start-up a tenth (Arabic) to a
    // half (Japanese) slower. Japanese glyphs found text by text among the
    // fallback fonts cost as much again: a Japanese family draws it all.
    fonts.unhinted =
        language.language() == QLocale::Japanese || language.language() == QLocale::Arabic;
    fonts.family = language.language() == QLocale::Japanese ? japaneseFamily() : QString();
}

QFont programFont(qreal points, FontStyle style)
{
    const Fonts &fonts = languageFonts();
    QFont font(fonts.family.isEmpty() ? defaultFamily() : fonts.family);
    font.setStyleHint(QFont::SansSerif);
    if (fonts.unhinted)
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
