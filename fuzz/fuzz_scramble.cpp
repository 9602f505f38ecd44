// Scrambling: whatever comes in, nothing crashes; single-byte text in the
// shiftable range comes back unchanged.
#include "core/platform/scramble.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString any = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString scrambled = tavrisk::scrambleText(any);
    if (scrambled.size() > any.size() ||
        tavrisk::unscrambleText(scrambled).size() > scrambled.size())
        std::abort();

    QString shiftable;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] <= 255 - tavrisk::ScrambleShift)
            shiftable.append(QChar(data[i]));
    }
    if (tavrisk::unscrambleText(tavrisk::scrambleText(shiftable)) != shiftable)
        std::abort();
    return 0;
}
