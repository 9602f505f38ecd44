#include "core/platform/settings.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>
#include <utility>

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

const QString Section = QStringLiteral("Settings");

} // namespace

QString ScrambleText(const QString &text)
{
    return shifted(text, ScrambleShift);
}

QString UnscrambleText(const QString &text)
{
    return shifted(text, -ScrambleShift);
}

QString applicationNameFromPath(const QString &executablePath)
{
    return QFileInfo(executablePath).completeBaseName();
}

QSettingsStore::QSettingsStore(QString applicationName) : m_application(std::move(applicationName))
{}

QSettingsStore QSettingsStore::atFile(const QString &filePath)
{
    QSettingsStore store;
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

QString QSettingsStore::location() const
{
    return openStore(m_application, m_file)->fileName();
}

std::optional<QString> QSettingsStore::ReadSetting(const QString &key)
{
    auto settings = openStore(m_application, m_file);
    settings->beginGroup(Section);
    const QVariant stored = settings->value(ScrambleText(key));
    if (settings->status() != QSettings::NoError)
        return std::nullopt;
    return UnscrambleText(stored.toString());
}

bool QSettingsStore::WriteSetting(const QString &key, const QString &value)
{
    auto settings = openStore(m_application, m_file);
    settings->beginGroup(Section);
    settings->setValue(ScrambleText(key), ScrambleText(value));
    settings->endGroup();
    settings->sync();
    // A damaged file reports a FormatError here, yet is rewritten whole;
    // only an AccessError means the value did not reach the store.
    return settings->status() != QSettings::AccessError;
}

} // namespace tavrisk
