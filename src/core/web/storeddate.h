#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// How the reminder's date is written to the settings store and read back.
namespace tavrisk {

// The user's short date format with the year always in four digits, so the
// text reads back as the same day whatever the locale. Where that text
// would not survive the single-byte store, the ISO form is written.
QString shortDateFormat(const QLocale &locale);
// A date format with each lone "yy" (not part of a longer run) made "yyyy".
QString fourDigitYear(const QString &format);
bool hasTwoDigitYear(const QString &format);
QString dateToText(QDate date, const QLocale &locale);
// Reads what dateToText wrote, and also a two-digit year in the user's own
// short format, taken in the century that puts the date nearest `today`.
std::optional<QDate> textToDate(const QString &text, const QLocale &locale, QDate today);

} // namespace tavrisk
