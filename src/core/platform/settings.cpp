#include "core/platform/settings.h"

#include "core/platform/scramble.h"

#include <QSettings>
#include <memory>
#include <utility>

namespace tavrisk {

namespace {

const QString Section = QStringLiteral("Settings");

} // namespace

NativeSettingsStore::NativeSettingsStore(QString applicationName)
    : m_application(std::move(applicationName))
{}

NativeSettingsStore NativeSettingsStore::atFile(const QString &filePath)
{
    NativeSettingsStore store;
    store.m_file = filePath;
    return store;
}

static std::unique_ptr<QSettings> openStore(const QString &application, const QString &file)
{
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application,
                                       application);
}

QString NativeSettingsStore::location() const
{
    return openStore(m_application, m_file)->fileName();
}

std::optional<QString> NativeSettingsStore::readSetting(const QString &key)
{
    auto settings = openStore(m_application, m_file);
    settings->beginGroup(Section);
    const QVariant stored = settings->value(scrambleText(key));
    if (settings->status() != QSettings::NoError)
        return std::nullopt;
    return unscrambleText(stored.toString());
}

bool NativeSettingsStore::writeSetting(const QString &key, const QString &value)
{
    auto settings = openStore(m_application, m_file);
    settings->beginGroup(Section);
    settings->setValue(scrambleText(key), scrambleText(value));
    settings->endGroup();
    settings->sync();
    // A damaged file reports a FormatError here, yet is rewritten whole;
    // only an AccessError means the value did not reach the store.
    return settings->status() != QSettings::AccessError;
}

} // namespace tavrisk
