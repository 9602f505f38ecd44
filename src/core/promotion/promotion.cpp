#include "core/promotion/promotion.h"

#include "core/web/pages.h"

#include <algorithm>
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

int supportTextIndex(float r)
{
    // Each quarter of [0, 1) picks one text; a draw outside it (NaN included)
    // goes to the nearer end.
    if (!(r > 0.0f))
        return 0;
    if (r >= 1.0f)
        return 3;
    return std::clamp(static_cast<int>(r * 4.0f), 0, 3);
}

QString supportText(int index)
{
    const QString site = siteHost();
    switch (std::clamp(index, 0, 3)) {
    case 0:
        return QStringLiteral("Quorvane Softwares, such as this can be created and maintained "
                              "only with your support. The best way to support Quorvane is to "
                              "visit ") +
               site +
               QStringLiteral(" regularly and take part in the discussions and other activities "
                              "on the board.");
    case 1:
        return QStringLiteral("Visit ") + site + QStringLiteral(" regularly. Support ") + site +
               QStringLiteral(" by taking part in the discussions and other activities. These "
                              "softwares cannot be supported and maintained, without you "
                              "regularly visiting ") +
               site;
    case 2:
        return site +
               QStringLiteral(" is a FREE online discussion forum for all things "
                              "quorvane. To help ") +
               site +
               QStringLiteral(" develop and maintain this software visit Quorvane regularly.");
    default:
        return site + QStringLiteral(" needs your help. All you need to do is visit ") + site +
               QStringLiteral(" regularly and take part in the various discussions and activites "
                              "to help us maintain and develop more Quorvane Softwares.");
    }
}

QString paragraphSeparator()
{
    return QString(61, u' ');
}

QString promotionParagraph()
{
    return QStringLiteral("If you have enjoyed this software you will surely be interested in our "
                          "other Quorvane Softwares. From a single software, we have now grown to "
                          "become the world\u2019s largest resource of quorvane softwares. Be it "
                          "astrology, psychic, tarot, numerology or occult, we have programs in "
                          "all fields thus giving our users a wide choice depending on their "
                          "interests.") +
           paragraphSeparator() +
           QStringLiteral("All the programs in the Quorvane Softwares suite are simple and easy "
                          "to use. They are not only fun to use but also very informative. Try "
                          "them out today and share your experience with your friends and "
                          "family. ");
}

QString visitSiteCaption()
{
    return QStringLiteral("Click Here To Visit ") + siteHost() + QStringLiteral(" Now");
}

} // namespace tavrisk
