#pragma once

#include "core/platform/services.h"

#include <QString>
#include <optional>

namespace tavrisk {

// Small enough that key names and dates (digits, ASCII letters, separators,
// spaces) all scramble and unscramble without loss.
inline constexpr int ScrambleShift = 7;

// Shift every Latin-1 code up (or down) by ScrambleShift; a character that
// would leave 0..255 is dropped. Characters outside Latin-1 count as '?', as
// a single-byte code page would store them.
QString scrambleText(const QString &text);
QString unscrambleText(const QString &text);

// The executable's file name without folder and extension.
QString applicationNameFromPath(const QString &executablePath);

// Section "Settings" of the user's store for `applicationName`, keys and
// values scrambled. On Windows this is the registry, elsewhere an INI file
// in the user's config folder.
class NativeSettingsStore : public SettingsStore
{
public:
    explicit NativeSettingsStore(QString applicationName);
    // For tests: an INI file at `filePath`.
    static NativeSettingsStore atFile(const QString &filePath);

    std::optional<QString> readSetting(const QString &key) override;
    bool writeSetting(const QString &key, const QString &value) override;

    QString location() const;

private:
    NativeSettingsStore() = default;
    QString m_application;
    QString m_file;
};

} // namespace tavrisk
