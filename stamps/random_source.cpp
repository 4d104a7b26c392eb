#include "stamps/random_source.h"

#include <algorithm>

namespace velmora {

void RandomSource::Seed(std::uint32_t tickCount) {
  const std::uint32_t seed = tickCount + reseedCounter_;  // wraps modulo 2^32
  reseedCounter_ += (seed & 0xFF) + 100;
  state_ = seed;
}

std::uint32_t RandomSource::NextRaw() {
  state_ = state_ * 214013u + 2531011u;
  return (state_ >> 16) & 0x7FFF;
}

std::int32_t RandomSource::InRange(std::optional<std::int32_t> lo, std::optional<std::int32_t> hi) {
  const std::int32_t a = std::max(lo.value_or(0), 0);
  const std::int32_t b = std::max(hi.value_or(2147483647), 0);
  const std::int32_t min = std::min(a, b), max = std::max(a, b);
  if (min == max) return min;
  const std::uint32_t span = std::min<std::uint32_t>(static_cast<std::uint32_t>(max - min), 2147483646u);
  return min + static_cast<std::int32_t>(NextRaw() % (span + 1));
}

}  // namespace velmora
