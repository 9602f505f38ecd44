#pragma once

#include <QString>
#include <QUrl>

namespace tavrisk {

class UrlOpener;

enum class Page { Home, Help, Download, Donate, FullBrand, CoBrand, SoftwareList };

QString siteHost();
// "http://<host>/qv-free-tavrisk/": the product's folder on the site.
QString productFolderAddress();
QString pageKey(Page page);
// "http://<host>/qv-free-tavrisk/ssd.php?page=<key>"
QString pageAddressText(const QString &key);
QUrl pageAddress(Page page);

// The page procedures every menu command, link and the reminder go through.
class PageOpener
{
public:
    explicit PageOpener(UrlOpener &opener) : m_opener(opener) {}
    void openPage(Page page);
    void openHomePage() { openPage(Page::Home); }
    void openHelpPage() { openPage(Page::Help); }
    void openDownloadPage() { openPage(Page::Download); }
    void openDonatePage() { openPage(Page::Donate); }
    void openFullBrandPage() { openPage(Page::FullBrand); }
    void openCoBrandPage() { openPage(Page::CoBrand); }
    void openSoftwareListPage() { openPage(Page::SoftwareList); }

private:
    UrlOpener &m_opener;
};

} // namespace tavrisk
