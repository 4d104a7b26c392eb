#include "save/time_stamp.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TimeStamp, WorkedExamples) {
  struct Case { DateTime moment; const char* text; };
  const Case cases[] = {
      {{2010, 9, 23, 14, 5, 9}, "2010\xC4\xEA" "9\xD4\xC2" "23\xC8\xD5" "14\xCA\xB1" "5\xB7\xD6" "9\xC3\xEB"},
      {{2024, 12, 31, 8, 30, 0}, "2024\xC4\xEA" "12\xD4\xC2" "31\xC8\xD5" "8\xCA\xB1" "30\xB7\xD6"},
      {{2024, 3, 5, 9, 0, 0}, "2024\xC4\xEA" "3\xD4\xC2" "5\xC8\xD5" "9\xCA\xB1"},
      {{2024, 3, 5, 9, 0, 7}, "2024\xC4\xEA" "3\xD4\xC2" "5\xC8\xD5" "9\xCA\xB1" "0\xB7\xD6" "7\xC3\xEB"},
      {{2024, 3, 5, 0, 7, 0}, "2024\xC4\xEA" "3\xD4\xC2" "5\xC8\xD5" "0\xCA\xB1" "7\xB7\xD6"},
      {{2024, 3, 5, 0, 0, 7}, "2024\xC4\xEA" "3\xD4\xC2" "5\xC8\xD5" "0\xCA\xB1" "0\xB7\xD6" "7\xC3\xEB"},
      {{2024, 1, 1, 0, 0, 0}, "2024\xC4\xEA" "1\xD4\xC2" "1\xC8\xD5"},
      {{2026, 12, 11, 9, 0, 1}, "2026\xC4\xEA" "12\xD4\xC2" "11\xC8\xD5" "9\xCA\xB1" "0\xB7\xD6" "1\xC3\xEB"},
  };
  for (const Case& c : cases) EXPECT_EQ(DateTimeToText(c.moment), c.text);
}

TEST(TimeStamp, UnitsKeepDifferentMomentsApart) {
  EXPECT_NE(DateTimeToText({2024, 1, 1, 1, 11, 0}), DateTimeToText({2024, 1, 1, 11, 1, 0}));
  EXPECT_LE(DateTimeToText({2024, 12, 31, 23, 59, 59}).size(), 26u);
}

}  // namespace
}  // namespace velmora
