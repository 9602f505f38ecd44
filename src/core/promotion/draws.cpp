#include "core/promotion/draws.h"

#include <algorithm>
#include <cmath>

namespace tavrisk {

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

} // namespace tavrisk
