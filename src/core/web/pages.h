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
class ModHelp
{
public:
    explicit ModHelp(UrlOpener &opener) : m_opener(opener) {}
    void OpenPage(Page page);
    void OpenHomePage() { OpenPage(Page::Home); }
    void OpenHelpPage() { OpenPage(Page::Help); }
    void OpenDownloadPage() { OpenPage(Page::Download); }
    void OpenDonatePage() { OpenPage(Page::Donate); }
    void OpenFullBrandPage() { OpenPage(Page::FullBrand); }
    void OpenCoBrandPage() { OpenPage(Page::CoBrand); }
    void OpenSoftwareListPage() { OpenPage(Page::SoftwareList); }

private:
    UrlOpener &m_opener;
};

} // namespace tavrisk
