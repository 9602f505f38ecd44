#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace tavrisk {

struct Services;

enum class ReminderAction { RecordToday, Nothing, Ask };
// The decision alone: the stored text against today.
ReminderAction reminderAction(const QString &stored, const QLocale &locale, QDate today);

QString updateQuestion();

// Once per start: records today on the first start, asks whether to look for
// an update when the recorded day lies 15 or more days away, and opens the
// download page on Yes (after recording today).
void checkUpdateReminder(Services &services);

} // namespace tavrisk
