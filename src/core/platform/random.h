#pragma once

#include "core/platform/services.h"

#include <cstdint>
#include <random>

namespace tavrisk {

// The top 24 bits as a float in [0, 1): every value is exact in single
// precision, so 1 can never come out (which rounding a wider value could give).
float unitFloatFromBits(std::uint32_t bits);

class ClockSeededRandom : public RandomSource
{
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace tavrisk
