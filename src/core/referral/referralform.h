#pragma once

#include "core/referral/fields.h"

#include <QString>
#include <QUrl>
#include <array>

namespace tavrisk {

// The message an email field refuses a space with.
QString spaceRefusedMessage();

// What a submission decided: the message that refuses it, or the address
// to open.
struct Referral
{
    QString refusal;
    QUrl address;
};

// The refer-a-friend submission: capture, checks in their order, the address.
class ReferralForm
{
public:
    // The click on "Refer A Friend Now", with the fields' texts as they stand.
    Referral submit(const std::array<QString, ReferFieldCount> &fieldTexts);

    const std::array<QString, ReferFieldCount> &captured() const { return m_captured; }

    // Steps of the submission, each returning the message that stops it (or nothing).
    static QString checkAddresses(const std::array<QString, ReferFieldCount> &values);
    static QString checkCompleteness(const std::array<QString, ReferFieldCount> &values);

private:
    Referral submitReferral() const;

    std::array<QString, ReferFieldCount> m_captured;
};

} // namespace tavrisk
