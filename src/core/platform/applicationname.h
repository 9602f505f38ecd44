#pragma once

#include <QString>

namespace tavrisk {

// The executable's file name without folder and extension: the name the
// settings and the instance lock go by.
QString applicationNameFromPath(const QString &executablePath);

} // namespace tavrisk
