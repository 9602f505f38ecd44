// Reading a stored date text: any text is read safely, and a date the
// program writes reads back as the same day.
#include "core/web/reminder.h"
#include "core/web/storeddate.h"

#include <QLocale>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    static const QList<QLocale> locales = {QLocale::c(),
                                           QLocale(QStringLiteral("en_US")),
                                           QLocale(QStringLiteral("de_DE")),
                                           QLocale(QStringLiteral("ja_JP")),
                                           QLocale(QStringLiteral("ko_KR")),
                                           QLocale(QStringLiteral("ar_EG"))};
    const QLocale &locale = locales[data[0] % locales.size()];
    const QDate today = QDate(2000, 1, 1).addDays((data[1] << 8 | data[2]) * 3);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));

    const std::optional<QDate> read = tavrisk::textToDate(text, locale, today);
    if (read && !read->isValid())
        std::abort();
    tavrisk::reminderAction(text, locale, today);
    if (read) {
        const std::optional<QDate> again =
            tavrisk::textToDate(tavrisk::dateToText(*read, locale), locale, today);
        if (again != read)
            std::abort();
    }
    return 0;
}
