#pragma once

#include <QFont>
#include <QLabel>

namespace tavrisk::gui {

// How a label holds its text: on one line or wrapped within its rectangle,
// or in a rectangle sized to the text.
enum class Fit { OneLine, Wrapped, ToText };

// A plain-text label at a fixed place that keeps its text inside it: a fixed
// label within its rectangle, a label sized to its text (Fit::ToText) within
// its panel's right edge, growing from its top-left corner.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr) : QLabel(parent) {}

    // Places the label and fits its text, starting from `font`.
    void place(const char *name, const QString &text, const QRect &rect, const QFont &font,
               const QColor &foreground, Fit how);
    // Fits the text again, from the design font, after it changed.
    void fit();

private:
    QFont m_designFont;
    bool m_autoSize = false;
};

// What a label with access-key markers draws: "&&" becomes "&", a lone "&" vanishes.
QString labelDisplayText(const QString &caption);

Label *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                const QFont &font, const QColor &foreground, Fit how = Fit::OneLine);

} // namespace tavrisk::gui
