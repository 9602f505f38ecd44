#pragma once

#include "core/web/addresses.h"

namespace tavrisk {

class UrlOpener;

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
