#pragma once

#include "core/platform/services.h"

#include <QString>
#include <optional>

namespace tavrisk {

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
