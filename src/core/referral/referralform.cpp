#include "core/referral/referralform.h"

#include "core/referral/address.h"
#include "core/referral/hints.h"

#include <QCoreApplication>

namespace tavrisk {

namespace {
constexpr int index(ReferField f)
{
    return static_cast<int>(f);
}
} // namespace

QString spaceRefusedMessage()
{
    return QCoreApplication::translate("Referral", "Email Address Cannot Contain Space");
}

QString ReferralForm::checkAddresses(const std::array<QString, ReferFieldCount> &values)
{
    const QString &mine = values[index(ReferField::Email)];
    const QString &theirs = values[index(ReferField::FriendEmail)];
    if (mine == theirs)
        return QCoreApplication::translate("Referral", "Please Enter Distinct Email Addresses");
    // Both tests give the same message; they run in this order.
    if (!mine.contains(u'@') || !theirs.contains(u'@'))
        return QCoreApplication::translate("Referral", "Please Enter Proper Email Address");
    if (!mine.contains(u'.') || !theirs.contains(u'.'))
        return QCoreApplication::translate("Referral", "Please Enter Proper Email Address");
    return QString();
}

QString ReferralForm::checkCompleteness(const std::array<QString, ReferFieldCount> &values)
{
    static const std::array<const char *, ReferFieldCount> messages{
        QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name"),
        QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email"),
        QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message"),
        QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name"),
        QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email")};
    for (int i = 0; i < ReferFieldCount; ++i) {
        const QString &v = values[i];
        if (v.isEmpty() || v == placeholder(static_cast<ReferField>(i)))
            return QCoreApplication::translate("Referral", messages[i]);
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
