#include "core/promotion/promotion.h"

#include "core/web/pages.h"

#include <cmath>

namespace tavrisk {

QString bannerCaption()
{
    return QStringLiteral("The Most Popular Online Quorvane Discussion Board. Best Resource For "
                          "Everything Quorvane. Visit ") +
           siteHost() + QStringLiteral(" Now");
}

QString fullBrandCaption()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
}

QString coBrandCaption()
{
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                          "your site. Put your site's name &&  link here. See \"Help\" for "
                          "details.    Click Here for more info on co-branding.");
}

QString labelDisplayText(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out.append(u'&');
                ++i;
            }
            continue;
        }
        out.append(caption[i]);
    }
    return out;
}

int coBrandNumber(float r)
{
    // Single precision like the draw itself; nearbyint rounds halves to even
    // in the default rounding mode.
    const float scaled = r * 6.0f + 1.0f;
    return static_cast<int>(std::nearbyint(scaled));
}

OfferInFront coBrandOutcome(int number)
{
    switch (number) {
    case 1:
    case 3:
    case 5:
        return OfferInFront::CoBrand;
    case 2:
    case 4:
    case 6:
        return OfferInFront::FullBrand;
    default:
        return OfferInFront::AsDefined;
    }
}

} // namespace tavrisk
