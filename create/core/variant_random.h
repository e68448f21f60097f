#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace undertext::create {

// The source of the variant draws: uniform single-precision values r, 0 <= r < 1.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The program's own generator: seeded identically at construction and never
// reseeded, so two fresh starts draw the same sequence. Not thread-safe.
class ProgramRandom final : public RandomSource {
  public:
    float next() override;

  private:
    static constexpr std::uint32_t kSeed = 20240229;
    std::mt19937 engine_{kSeed};
};

// A draw over n entries: Int(r × n) + 1, a position from 1 to n (1 for n = 0).
std::size_t drawPosition(RandomSource& random, std::size_t n);

}  // namespace undertext::create
