#include "core/platform/applicationname.h"

#include <QFileInfo>

namespace tavrisk {

QString applicationNameFromPath(const QString &executablePath)
{
    return QFileInfo(executablePath).completeBaseName();
}

} // namespace tavrisk
