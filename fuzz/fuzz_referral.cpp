// The referral address: any five values come back from the address exactly,
// and no parameter is added or lost.
#include "core/referral/address.h"
#include "core/web/addresses.h"

#include <QUrlQuery>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList parts = text.split(QChar(u'\0'));
    std::array<QString, tavrisk::ReferFieldCount> values;
    for (int i = 0; i < tavrisk::ReferFieldCount && i < parts.size(); ++i)
        values[i] = parts[i];

    const QUrl address = tavrisk::referralAddress(values);
    if (!address.isValid())
        std::abort();
    if (QUrlQuery(address).queryItems().size() != 7)
        std::abort();
    // Split and decoded by hand: Qt's own decoder turns noncharacters such as
    // U+FFFF into U+FFFD, though the address carries their UTF-8 bytes intact.
    const QList<QByteArray> pairs = address.query(QUrl::FullyEncoded).toLatin1().split('&');
    if (pairs.size() != 7 || pairs[0] != "page=qvqs-refer-a-friend")
        std::abort();
    for (int i = 1; i < 7; ++i) {
        const QByteArray name = "taf" + QByteArray::number(i) + '=';
        if (!pairs[i].startsWith(name))
            std::abort();
        const QString value = QUrl::fromPercentEncoding(pairs[i].mid(name.size()));
        const QString expected =
            i <= tavrisk::ReferFieldCount ? values[i - 1] : tavrisk::productFolderAddress();
        if (value != expected)
            std::abort();
    }
    return 0;
}
