#include "core/web/reminder.h"

#include "core/platform/log.h"
#include "core/platform/services.h"
#include "core/program.h"
#include "core/web/pageopener.h"
#include "core/web/storeddate.h"

#include <QCoreApplication>

namespace tavrisk {

namespace {

const QString DurationKey = QStringLiteral("Duration");
constexpr int ReminderDays = 14;

} // namespace

ReminderAction reminderAction(const QString &stored, const QLocale &locale, QDate today)
{
    if (stored.isEmpty())
        return ReminderAction::RecordToday;
    const std::optional<QDate> recorded = textToDate(stored, locale, today);
    // An unreadable text would otherwise silence the reminder for good.
    if (!recorded)
        return ReminderAction::RecordToday;
    const qint64 n = today.daysTo(*recorded);
    return (n >= -ReminderDays && n <= ReminderDays) ? ReminderAction::Nothing
                                                     : ReminderAction::Ask;
}

QString updateQuestion()
{
    return QCoreApplication::translate("Reminder",
                                       "There maybe an update to this software available\r"
                                       "Do you want to check for an update?");
}

void checkUpdateReminder(Services &services)
{
    const std::optional<QString> stored = services.settings.readSetting(DurationKey);
    if (!stored) {
        qCInfo(lcApp, "update reminder skipped: the settings store cannot be read");
        return;
    }
    const QDate today = services.clock.today();
    const QLocale locale = services.clock.locale();
    const QString todayText = dateToText(today, locale);
    switch (reminderAction(*stored, locale, today)) {
    case ReminderAction::Nothing:
        return;
    case ReminderAction::RecordToday:
        if (!services.settings.writeSetting(DurationKey, todayText))
            qCInfo(lcApp, "update reminder: today's date could not be stored");
        return;
    case ReminderAction::Ask:
        break;
    }
    const auto answer =
        services.messages.show(updateQuestion(), text::appTitle(), MessageBoxes::Icon::Information,
                               MessageBoxes::Buttons::YesNo);
    if (!services.settings.writeSetting(DurationKey, todayText)) {
        qCInfo(lcApp, "update reminder: today's date could not be stored; no page opened");
        return;
    }
    if (answer == MessageBoxes::Answer::Yes)
        PageOpener(services.opener).openDownloadPage();
}

} // namespace tavrisk
