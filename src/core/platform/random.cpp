#include "core/platform/random.h"

#include <QDateTime>

namespace tavrisk {

float unitFloatFromBits(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

void ClockSeededRandom::seedFromClock()
{
    const auto now = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    m_engine.seed(seq);
}

float ClockSeededRandom::next()
{
    static_assert(std::mt19937::max() == 0xffffffffu);
    return unitFloatFromBits(static_cast<std::uint32_t>(m_engine()));
}

} // namespace tavrisk
