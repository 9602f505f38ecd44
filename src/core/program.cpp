#include "core/program.h"

namespace tavrisk::text {

QString appTitle()
{
    return QStringLiteral("QV Tavrisk");
}

QString windowCaption()
{
    return appTitle() + QStringLiteral(" v") + version();
}

QString version()
{
    return QStringLiteral(TAVRISK_VERSION);
}

} // namespace tavrisk::text
