#include "core/referral/referralform.h"

#include "core/referral/address.h"
#include "core/referral/hints.h"

namespace tavrisk {

namespace {
constexpr int index(ReferField f)
{
    return static_cast<int>(f);
}
} // namespace

QString spaceRefusedMessage()
{
    return QStringLiteral("Email Address Cannot Contain Space");
}

QString ReferralForm::checkAddresses(const std::array<QString, ReferFieldCount> &values)
{
    const QString &mine = values[index(ReferField::Email)];
    const QString &theirs = values[index(ReferField::FriendEmail)];
    if (mine == theirs)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    // Both tests give the same message; they run in this order.
    if (!mine.contains(u'@') || !theirs.contains(u'@'))
        return QStringLiteral("Please Enter Proper Email Address");
    if (!mine.contains(u'.') || !theirs.contains(u'.'))
        return QStringLiteral("Please Enter Proper Email Address");
    return QString();
}

QString ReferralForm::checkCompleteness(const std::array<QString, ReferFieldCount> &values)
{
    static const std::array<const char *, ReferFieldCount> messages{
        "Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
        "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};
    for (int i = 0; i < ReferFieldCount; ++i) {
        const QString &v = values[i];
        if (v.isEmpty() || v == placeholder(static_cast<ReferField>(i)))
            return QString::fromLatin1(messages[i]);
    }
    return QString();
}

Referral ReferralForm::submit(const std::array<QString, ReferFieldCount> &fieldTexts)
{
    for (int i = 0; i < ReferFieldCount; ++i)
        m_captured[i] = trimSpaces(fieldTexts[i]);
    const QString problem = checkAddresses(m_captured);
    if (!problem.isEmpty())
        return {problem, {}};
    return submitReferral();
}

Referral ReferralForm::submitReferral() const
{
    const QString problem = checkCompleteness(m_captured);
    if (!problem.isEmpty())
        return {problem, {}};
    return {{}, referralAddress(m_captured)};
}

} // namespace tavrisk
