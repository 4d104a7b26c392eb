#pragma once
// The program's one pseudo-random generator: it picks the picture of a stamp series.

#include <cstdint>
#include <optional>

namespace velmora {

class RandomSource {
 public:
  // Seeds from the tick count plus the reseed counter, so two seedings in one millisecond differ.
  void Seed(std::uint32_t tickCount);

  // A whole number between the bounds, both included. A left-out lower bound is 0, a left-out
  // upper bound 2147483647; negative bounds count as 0; the order of the bounds does not matter.
  std::int32_t InRange(std::optional<std::int32_t> lo, std::optional<std::int32_t> hi);

  std::uint32_t NextRaw();  // one generator step: 0..32767

  std::uint32_t state() const { return state_; }
  std::uint32_t reseedCounter() const { return reseedCounter_; }
  void set_state(std::uint32_t s) { state_ = s; }

 private:
  std::uint32_t state_ = 1;
  std::uint32_t reseedCounter_ = 0;
};

}  // namespace velmora
