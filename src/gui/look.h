#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLocale;
class QWidget;

// Units, colours and fonts of the windows' layouts.
namespace tavrisk::gui {

// Layouts are given in twips; 15 twips make one pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;
constexpr int px(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

namespace colour {
inline const QColor Pink{245, 167, 179};
inline const QColor Orange{240, 156, 72};
inline const QColor Maroon{128, 0, 0};
inline const QColor DarkRed{64, 0, 0};
inline const QColor Brown{128, 64, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Silver{192, 192, 192};
inline const QColor Navy{0, 0, 128};
} // namespace colour

// Fitted texts step down no further than this; below 7.5 points they read
// poorly, and only a text that cannot fit otherwise goes there.
inline constexpr qreal MinimumFittedPoints = 6.0;

// `font` stepped down a quarter point at a time until `fits(font)` holds or
// it reaches MinimumFittedPoints. Texts fit at their own size or a step or
// two below, so stepping down measures least (bisection would start in the
// middle).
template <typename Fits> QFont shrunkToFit(QFont font, Fits fits)
{
    while (font.pointSizeF() > MinimumFittedPoints && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

enum FontStyle : unsigned { Regular = 0, Bold = 1, Underline = 2 };
constexpr FontStyle operator|(FontStyle a, FontStyle b)
{
    return FontStyle(unsigned(a) | unsigned(b));
}

// Verdana where installed, else a close sans serif (DejaVu Sans on Debian);
// in Japanese, a Japanese family.
QFont programFont(qreal points, FontStyle style = Regular);
// Sets the fonts up for texts in `language`; call before any window is built.
void useFontsFor(const QLocale &language);

// Sets `widget`'s geometry to `rect`, given left to right within its parent,
// which is sized already; right to left, the rectangle is mirrored in it.
void place(QWidget *widget, const QRect &rect);

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

// Line breaks held as CR LF or CR shown as line breaks.
QString shownLines(const QString &text);

} // namespace tavrisk::gui
