#include "core/platform/scramble.h"

namespace tavrisk {

namespace {

QString shifted(const QString &text, int by)
{
    const QByteArray bytes = text.toLatin1();
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const int code = static_cast<unsigned char>(c) + by;
        if (code >= 0 && code <= 255)
            out.append(QChar(code));
    }
    return out;
}

} // namespace

QString scrambleText(const QString &text)
{
    return shifted(text, ScrambleShift);
}

QString unscrambleText(const QString &text)
{
    return shifted(text, -ScrambleShift);
}

} // namespace tavrisk
