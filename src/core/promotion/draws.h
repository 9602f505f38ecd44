#pragma once

namespace tavrisk {

// r * 6 + 1 rounded to the nearest whole number, halves to the even one: 1 to 7.
int coBrandNumber(float r);

enum class OfferInFront { CoBrand, FullBrand, AsDefined };
OfferInFront coBrandOutcome(int number);

// Which of the exit window's four support texts a draw r in [0, 1) shows.
int supportTextIndex(float r);

} // namespace tavrisk
