#pragma once

#include <QString>

#include <cstdint>

namespace classroom {

// Where the proposed codes get their digits: the system's generator in the
// program, a scripted one in tests.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint32_t below(std::uint32_t bound) = 0; // 0 .. bound - 1
};

class SystemRandom final : public RandomSource {
public:
    std::uint32_t below(std::uint32_t bound) override;
};

// Eight random digits written «4817-2593»: digits read and type the same on
// any keyboard layout, and 10^8 codes cannot be guessed before the lesson.
QString proposeBoardCode(RandomSource &random);

} // namespace classroom
