#pragma once

#include <QString>

namespace tavrisk {

// The offers' link captions.
QString bannerCaption();
QString fullBrandCaption();
// As the label holds it: "&&" is the escape for one visible ampersand.
QString coBrandCaption();

// The exit window's texts; the support text's index, 0..3, comes from
// supportTextIndex() (draws.h).
QString supportText(int index);
// Two paragraphs held apart by paragraphSeparator(), a run of 61 spaces.
QString promotionParagraph();
QString paragraphSeparator();
QString visitSiteCaption();

} // namespace tavrisk
