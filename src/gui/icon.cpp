#include "gui/icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

namespace tavrisk::gui {

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        // Up to 64 px covers the title bar and the about box on displays
        // scaled to 200%.
        for (int size : {16, 32, 48, 64}) {
            const QResource raw(QStringLiteral(":/icons/tavrisk-%1.rgba").arg(size));
            const QByteArray bytes = raw.uncompressedData();
            const qsizetype bytesPerLine = qsizetype(size) * 4;
            if (bytes.size() != bytesPerLine * size)
                continue;
            const QImage image(reinterpret_cast<const uchar *>(bytes.constData()), size, size,
                               bytesPerLine, QImage::Format_RGBA8888);
            i.addPixmap(QPixmap::fromImage(image)); // a copy, made before `bytes` goes
        }
        return i;
    }();
    return icon;
}

} // namespace tavrisk::gui
