#pragma once

#include "core/referral/fields.h"

#include <QString>

namespace tavrisk {

// The hint each field shows while the user has left it empty.
QString placeholder(ReferField field);
// The text a field holds before the user touches it.
QString initialText(ReferField field);

// Leading and trailing space characters only; tabs and line breaks stay.
QString trimSpaces(const QString &text);

// The hint rule as focus enters and leaves a field.
QString placeholderOnEnter(const QString &text, ReferField field);
QString placeholderOnLeave(const QString &text, ReferField field);

} // namespace tavrisk
