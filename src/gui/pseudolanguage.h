#pragma once

#include <QString>
#include <QTranslator>

namespace tavrisk::gui {

// The development language: every text accented, bracketed and 40% longer,
// so that a text missed by the translation functions shows plain, and a
// box that a longer translation would overflow shows now.
QString pseudoText(const QString &source);

class PseudoTranslator : public QTranslator
{
    Q_OBJECT
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace tavrisk::gui
