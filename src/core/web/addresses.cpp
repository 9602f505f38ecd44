#include "core/web/addresses.h"

#ifndef TAVRISK_SITE_HOST
#error "TAVRISK_SITE_HOST must be set by the build"
#endif

namespace tavrisk {

QString siteHost()
{
    return QStringLiteral(TAVRISK_SITE_HOST);
}

QString productFolderAddress()
{
    return QStringLiteral("http://") + siteHost() + QStringLiteral("/qv-free-tavrisk/");
}

QString pageKey(Page page)
{
    switch (page) {
    case Page::Home:
        return QStringLiteral("home-page");
    case Page::Help:
        return QStringLiteral("help-web-page");
    case Page::Download:
        return QStringLiteral("download-web-page");
    case Page::Donate:
        return QStringLiteral("donate");
    case Page::FullBrand:
        return QStringLiteral("fully-branded");
    case Page::CoBrand:
        return QStringLiteral("co-brand");
    case Page::SoftwareList:
        return QStringLiteral("quorvanesoftwares");
    }
    return QString();
}

QString pageAddressText(const QString &key)
{
    return productFolderAddress() + QStringLiteral("ssd.php?page=") + key;
}

QUrl pageAddress(Page page)
{
    return QUrl(pageAddressText(pageKey(page)), QUrl::StrictMode);
}

} // namespace tavrisk
