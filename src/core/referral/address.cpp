#include "core/referral/address.h"

#include "core/web/addresses.h"

#include <algorithm>

namespace tavrisk {

QUrl referralAddress(const std::array<QString, ReferFieldCount> &values)
{
    QByteArray address = pageAddressText(QStringLiteral("qvqs-refer-a-friend")).toUtf8();
    std::array<QString, ReferFieldCount + 1> all;
    std::copy(values.begin(), values.end(), all.begin());
    all[ReferFieldCount] = productFolderAddress();
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        address += "&taf" + QByteArray::number(i + 1) + '=';
        // Unreserved characters stay; every other UTF-8 byte becomes %XX.
        address += QUrl::toPercentEncoding(all[i]);
    }
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

} // namespace tavrisk
