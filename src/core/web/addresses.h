#pragma once

#include <QString>
#include <QUrl>

namespace tavrisk {

enum class Page { Home, Help, Download, Donate, FullBrand, CoBrand, SoftwareList };

QString siteHost();
// "http://<host>/qv-free-tavrisk/": the product's folder on the site.
QString productFolderAddress();
QString pageKey(Page page);
// "http://<host>/qv-free-tavrisk/ssd.php?page=<key>"
QString pageAddressText(const QString &key);
QUrl pageAddress(Page page);

} // namespace tavrisk
