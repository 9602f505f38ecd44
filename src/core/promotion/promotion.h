#pragma once

#include <QString>

namespace tavrisk {

QString bannerCaption();
QString fullBrandCaption();
// As the label holds it: "&&" is the escape for one visible ampersand.
QString coBrandCaption();

// What a label with access-key markers draws: "&&" becomes "&", a lone "&" vanishes.
QString labelDisplayText(const QString &caption);

// r * 6 + 1 rounded to the nearest whole number, halves to the even one: 1 to 7.
int coBrandNumber(float r);

enum class OfferInFront { CoBrand, FullBrand, AsDefined };
OfferInFront coBrandOutcome(int number);

// The exit window's texts. The support text's index, 0..3, comes from a draw r
// in [0, 1).
int supportTextIndex(float r);
QString supportText(int index);
// Two paragraphs held apart by paragraphSeparator(), a run of 61 spaces.
QString promotionParagraph();
QString paragraphSeparator();
QString visitSiteCaption();

} // namespace tavrisk
