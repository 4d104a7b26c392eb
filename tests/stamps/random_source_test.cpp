#include "stamps/random_source.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

TEST(RandomSource, SeedingFromTheTickCount) {
  RandomSource random;
  random.Seed(1000);
  EXPECT_EQ(random.state(), 1000u);
  EXPECT_EQ(random.InRange(1, 15), 5);  // raw 3304
}

TEST(RandomSource, UnseededStateGivesFortyOneFirst) {
  RandomSource random;
  EXPECT_EQ(random.InRange(1, 7), 7);  // raw 41
}

TEST(RandomSource, TwoSeedingsInOneMillisecondDiffer) {
  RandomSource random;
  random.Seed(5000);
  EXPECT_EQ(random.state(), 5000u);
  random.Seed(5000);
  EXPECT_EQ(random.state(), 5236u);
  EXPECT_EQ(random.reseedCounter(), 452u);
}

TEST(RandomSource, RangesOfTheSeriesOverEveryRawValue) {
  // The remainder slightly favours the lower results; these are the counts over all 32768 raws.
  struct Case { std::int32_t n; std::int32_t favoured; std::int32_t high, low; };
  for (const Case c : {Case{7, 1, 4682, 4681}, Case{15, 8, 2185, 2184}, Case{14, 8, 2341, 2340}, Case{5, 3, 6554, 6553}}) {
    std::map<std::int32_t, std::int32_t> counts;
    for (std::uint32_t raw = 0; raw < 32768; ++raw) {
      RandomSource random;
      // Find a state whose next raw value is `raw`: state' = raw << 16 reached from its predecessor.
      // 214013 is odd, so the step is invertible modulo 2^32.
      const std::uint32_t next = raw << 16;
      std::uint32_t inverse = 1;
      for (int i = 0; i < 5; ++i) inverse *= 2 - 214013u * inverse;  // Newton's iteration for 1 / 214013
      random.set_state((next - 2531011u) * inverse);
      ++counts[random.InRange(1, c.n)];
    }
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(c.n));
    for (auto [value, count] : counts) EXPECT_EQ(count, value <= c.favoured ? c.high : c.low) << c.n << ": " << value;
  }
}

TEST(RandomSource, BoundsAreNormalised) {
  auto from = [](std::uint32_t state) {
    RandomSource r;
    r.set_state(state);
    return r;
  };
  RandomSource a = from(77), b = from(77);
  EXPECT_EQ(a.InRange(7, 1), b.InRange(1, 7));

  RandomSource same = from(9), reference = from(9);
  EXPECT_EQ(same.InRange(5, 5), 5);
  EXPECT_EQ(same.state(), 9u);  // no step
  EXPECT_EQ(same.InRange(-5, -1), 0);
  EXPECT_EQ(same.state(), 9u);
  EXPECT_EQ(same.InRange(-3, 4), reference.InRange(0, 4));

  RandomSource whole = from(123), raw = from(123);
  EXPECT_EQ(whole.InRange(std::nullopt, std::nullopt), static_cast<std::int32_t>(raw.NextRaw()));
  RandomSource full = from(123);
  EXPECT_EQ(full.InRange(0, 2147483647), from(123).InRange(std::nullopt, std::nullopt));

  RandomSource wide = from(1);
  for (int i = 0; i < 2000; ++i) EXPECT_LE(wide.InRange(100, 100 + (1 << 20)), 100 + 32767);
}

}  // namespace
}  // namespace velmora
