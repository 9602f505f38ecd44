#include "core/referral/hints.h"

#include <QCoreApplication>

namespace tavrisk {

QString placeholder(ReferField field)
{
    switch (field) {
    case ReferField::Name:
        return QCoreApplication::translate("Referral", "Your Name");
    case ReferField::Email:
        return QCoreApplication::translate("Referral", "Your Email Address");
    case ReferField::Message:
        return QCoreApplication::translate("Referral", "Your Message");
    case ReferField::FriendName:
        return QCoreApplication::translate("Referral", "Friend's Name");
    case ReferField::FriendEmail:
        return QCoreApplication::translate("Referral", "Friend's Email Address");
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

} // namespace tavrisk
