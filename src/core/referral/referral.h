#pragma once

#include <QString>
#include <QUrl>
#include <array>

namespace tavrisk {

// The five form fields in capture order.
enum class ReferField { Name, Email, Message, FriendName, FriendEmail };
inline constexpr int ReferFieldCount = 5;

QString placeholder(ReferField field);
// The text a field holds before the user touches it.
QString initialText(ReferField field);

// Leading and trailing space characters only; tabs and line breaks stay.
QString trimSpaces(const QString &text);

// The hint rule as focus enters and leaves a field.
QString placeholderOnEnter(const QString &text, ReferField field);
QString placeholderOnLeave(const QString &text, ReferField field);

QString spaceRefusedMessage();

// "taf1".."taf5" plus taf6, each value percent-encoded (RFC 3986) so it
// reaches the site exactly as captured.
QUrl referralAddress(const std::array<QString, ReferFieldCount> &values);

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
