#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace tavrisk {

struct Services;

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

enum class ReminderAction { RecordToday, Nothing, Ask };
// The decision alone: the stored text against today.
ReminderAction reminderAction(const QString &stored, const QLocale &locale, QDate today);

QString updateQuestion();

// Once per start: records today on the first start, asks whether to look for
// an update when the recorded day lies 15 or more days away, and opens the
// download page on Yes (after recording today).
void CheckUpdateReminder(Services &services);

} // namespace tavrisk
