#include "core/web/storeddate.h"

#include <algorithm>

namespace tavrisk {

namespace {

QDate nearestCentury(QDate parsed, QDate today)
{
    const int yy = parsed.year() % 100;
    const int century = today.year() - today.year() % 100;
    QDate best;
    for (int c : {century - 100, century, century + 100}) {
        const QDate candidate(c + yy, parsed.month(), parsed.day());
        if (!candidate.isValid())
            continue;
        if (!best.isValid() || qAbs(candidate.daysTo(today)) < qAbs(best.daysTo(today)))
            best = candidate;
    }
    return best;
}

} // namespace

// Runs of 'y' scanned by hand: a regular expression would load and compile
// the whole pattern engine at every start for this one format.
QString fourDigitYear(const QString &format)
{
    QString out;
    out.reserve(format.size() + 2);
    for (qsizetype i = 0; i < format.size();) {
        qsizetype end = i;
        while (end < format.size() && format.at(end) == u'y')
            ++end;
        if (end == i) {
            out.append(format.at(i++));
            continue;
        }
        out.append(end - i == 2 ? QStringLiteral("yyyy") : format.mid(i, end - i));
        i = end;
    }
    return out;
}

bool hasTwoDigitYear(const QString &format)
{
    return fourDigitYear(format) != format;
}

QString shortDateFormat(const QLocale &locale)
{
    return fourDigitYear(locale.dateFormat(QLocale::ShortFormat));
}

QString dateToText(QDate date, const QLocale &locale)
{
    QString text = locale.toString(date, shortDateFormat(locale));
    // The store keeps single-byte text only; a date in other digits or
    // marks would not come back, so such locales get the ISO form.
    const bool singleByte =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xff; });
    if (singleByte && locale.toDate(text, shortDateFormat(locale)) == date)
        return text;
    return date.toString(Qt::ISODate);
}

std::optional<QDate> textToDate(const QString &text, const QLocale &locale, QDate today)
{
    const QDate full = locale.toDate(text, shortDateFormat(locale));
    if (full.isValid())
        return full;
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QString own = locale.dateFormat(QLocale::ShortFormat);
    if (hasTwoDigitYear(own)) {
        const QDate twoDigit = locale.toDate(text, own);
        if (twoDigit.isValid())
            return nearestCentury(twoDigit, today);
    }
    return std::nullopt;
}

} // namespace tavrisk
