#include "core/web/pageopener.h"

#include "core/platform/services.h"

namespace tavrisk {

void PageOpener::openPage(Page page)
{
    m_opener.open(pageAddress(page));
}

} // namespace tavrisk
