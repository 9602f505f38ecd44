#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QRect>

class QPushButton;

namespace tavrisk::ui {

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

// Verdana where installed, else a close sans serif (DejaVu Sans on Debian).
QFont verdana(qreal points, bool bold = false, bool underline = false);

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

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

// Line breaks held as CR LF or CR shown as line breaks.
QString shownLines(const QString &text);

// A plain-text label at a fixed place. With `autoSize` it grows to its text
// from its top-left corner, as labels sized to their text do.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                 const QFont &font, const QColor &foreground, bool wrap = false,
                 bool autoSize = false);

// Keeps the label's text inside it: a fixed label within its rectangle, a
// label sized to its text within its panel's right edge.
void fitLabel(QLabel *label, bool autoSize);

// A label that reads as a link: hand pointer, clicked() on a mouse release inside it.
// Screen readers see it as a link whose press action clicks it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);
    void activate() { Q_EMIT clicked(); }
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A widget that only groups others, named for screen readers.
class Group : public QWidget
{
    Q_OBJECT
public:
    Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect);
};

LinkLabel *addLink(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                   const QFont &font, const QColor &foreground, bool autoSize = false);

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                       const QFont &font, const QColor &face = QColor());

// A fixed-size top-level window: title, icon, no minimise or maximise box,
// a client area of the given size below any menu bar, centred when shown.
// Closing it, for whatever reason, emits unloading() and destroys it.
// Enter and Esc work as in a dialog: Esc clicks the cancel button, Enter the
// focused push button or else the default button.
class FormWindow : public QMainWindow
{
    Q_OBJECT
public:
    FormWindow(const char *name, int clientWidthTwips, int clientHeightTwips,
               const QColor &background);

    QWidget *client() const { return m_client; }
    void setDefaultButton(QPushButton *button) { m_default = button; }
    void setCancelButton(QPushButton *button) { m_cancel = button; }
    void centreOnScreen();

Q_SIGNALS:
    void unloading();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_client;
    QPushButton *m_default = nullptr;
    QPushButton *m_cancel = nullptr;
};

QIcon programIcon();

// Application-wide settings the windows rely on; call once after QApplication.
void configureApplication();

} // namespace tavrisk::ui
