#include "core/referral/referral.h"

#include "core/program.h"
#include "core/web/pages.h"

#include <algorithm>

namespace tavrisk {

namespace {
constexpr int index(ReferField f)
{
    return static_cast<int>(f);
}
} // namespace

QString placeholder(ReferField field)
{
    switch (field) {
    case ReferField::Name:
        return QStringLiteral("Your Name");
    case ReferField::Email:
        return QStringLiteral("Your Email Address");
    case ReferField::Message:
        return QStringLiteral("Your Message");
    case ReferField::FriendName:
        return QStringLiteral("Friend's Name");
    case ReferField::FriendEmail:
        return QStringLiteral("Friend's Email Address");
    }
    return QString();
}

QString initialText(ReferField field)
{
    return field == ReferField::Message ? placeholder(field) + QStringLiteral("\r\n")
                                        : placeholder(field);
}

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString placeholderOnEnter(const QString &text, ReferField field)
{
    return trimSpaces(text) == placeholder(field) ? QString() : text;
}

QString placeholderOnLeave(const QString &text, ReferField field)
{
    return trimSpaces(text).isEmpty() ? placeholder(field) : text;
}

QString spaceRefusedMessage()
{
    return QStringLiteral("Email Address Cannot Contain Space");
}

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
