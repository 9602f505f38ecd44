#pragma once

#include "core/referral/fields.h"

#include <QString>
#include <QUrl>
#include <array>

namespace tavrisk {

// "taf1".."taf5" plus taf6, each value percent-encoded (RFC 3986) so it
// reaches the site exactly as captured.
QUrl referralAddress(const std::array<QString, ReferFieldCount> &values);

} // namespace tavrisk
