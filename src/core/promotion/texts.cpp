#include "core/promotion/texts.h"

#include "core/web/addresses.h"

#include <algorithm>

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
