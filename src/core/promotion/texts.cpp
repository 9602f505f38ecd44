#include "core/promotion/texts.h"

#include "core/web/addresses.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace tavrisk {

namespace {
// %1 in a text stands for the site's host.
QString withSite(const char *text)
{
    return QCoreApplication::translate("Promotion", text).arg(siteHost());
}
} // namespace

QString bannerCaption()
{
    return withSite(QT_TRANSLATE_NOOP("Promotion",
                                      "The Most Popular Online Quorvane Discussion Board. Best "
                                      "Resource For Everything Quorvane. Visit %1 Now"));
}

QString fullBrandCaption()
{
    return QCoreApplication::translate(
        "Promotion", "Home Business Opportunity. Start your own Internet business and make "
                     "money online. Get this software fully branded for your website. Click "
                     "here for more details.");
}

QString coBrandCaption()
{
    return QCoreApplication::translate(
        "Promotion", "Co-brand this software for your site.  Increase loyalty and traffic to "
                     "your site. Put your site's name &&  link here. See \"Help\" for "
                     "details.    Click Here for more info on co-branding.");
}

QString supportText(int index)
{
    static const std::array<const char *, 4> texts{
        QT_TRANSLATE_NOOP("Promotion",
                          "Quorvane Softwares, such as this can be created and maintained only "
                          "with your support. The best way to support Quorvane is to visit %1 "
                          "regularly and take part in the discussions and other activities on "
                          "the board."),
        QT_TRANSLATE_NOOP("Promotion",
                          "Visit %1 regularly. Support %1 by taking part in the discussions and "
                          "other activities. These softwares cannot be supported and "
                          "maintained, without you regularly visiting %1"),
        QT_TRANSLATE_NOOP("Promotion",
                          "%1 is a FREE online discussion forum for all things quorvane. To "
                          "help %1 develop and maintain this software visit Quorvane "
                          "regularly."),
        QT_TRANSLATE_NOOP("Promotion",
                          "%1 needs your help. All you need to do is visit %1 regularly and take "
                          "part in the various discussions and activites to help us maintain "
                          "and develop more Quorvane Softwares."),
    };
    return withSite(texts[std::clamp(index, 0, 3)]);
}

QString paragraphSeparator()
{
    return QString(61, u' ');
}

QString promotionParagraph()
{
    return QCoreApplication::translate(
               "Promotion",
               "If you have enjoyed this software you will surely be interested in our other "
               "Quorvane Softwares. From a single software, we have now grown to become the "
               "world\u2019s largest resource of quorvane softwares. Be it astrology, psychic, "
               "tarot, numerology or occult, we have programs in all fields thus giving our "
               "users a wide choice depending on their interests.") +
           paragraphSeparator() +
           QCoreApplication::translate(
               "Promotion",
               "All the programs in the Quorvane Softwares suite are simple and easy to use. "
               "They are not only fun to use but also very informative. Try them out today and "
               "share your experience with your friends and family. ");
}

QString visitSiteCaption()
{
    return withSite(QT_TRANSLATE_NOOP("Promotion", "Click Here To Visit %1 Now"));
}

} // namespace tavrisk
