#include "gui/pseudolanguage.h"

#include <QStringView>

namespace tavrisk::gui {

namespace {

// An accented letter for each plain one, from Latin-1 and Latin Extended-A,
// which the program's fonts all carry.
QChar accented(QChar c)
{
    static constexpr QStringView Plain = u"ACDEGHIJKLNORSTUWYZacdeghijklnorstuwyz";
    static constexpr QStringView Marked = u"ÅÇĎÉĜĤÎĴĶĹÑÖŔŠŢÜŴÝŽåçďéĝĥîĵķĺñöŕšţüŵýž";
    const qsizetype i = Plain.indexOf(c);
    return i < 0 ? c : Marked[i];
}

} // namespace

QString pseudoText(const QString &source)
{
    if (source.isEmpty())
        return source;
    QString out;
    out.reserve(source.size() * 3 / 2 + 2);
    out.append(u'[');
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        out.append(accented(c));
        // Access keys and placeholders pass unchanged: Alt+N stays Alt+N,
        // and %1 still takes its argument.
        if ((c == u'&' || c == u'%') && i + 1 < source.size())
            out.append(source[++i]);
    }
    // Words rather than one run, so that wrapped labels can break them.
    static constexpr QStringView Filler = u" ĺöŕéŋ îšüŋ ďöĺöŕ šîţ áŋéţ";
    const qsizetype extra = (source.size() * 2 + 4) / 5;
    for (qsizetype n = 0; n < extra; ++n)
        out.append(Filler[n % Filler.size()]);
    out.append(u']');
    return out;
}

QString PseudoTranslator::translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation)
    Q_UNUSED(n)
    // Qt asks for its layout direction this way; the answer is not a text.
    if (qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0 || !context)
        return QString();
    return pseudoText(QString::fromUtf8(sourceText));
}

} // namespace tavrisk::gui
