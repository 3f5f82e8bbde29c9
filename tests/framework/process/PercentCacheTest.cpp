#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "framework/process/PercentCache.h"

namespace tallowmere::framework {
namespace {

// The cache must give exactly what percentOf gives, whatever way the counts move.
TEST(PercentCacheTest, AgreesWithTheDivisionForEveryCountOfSmallFiles) {
  for (const std::int64_t whole : {1, 2, 3, 7, 99, 100, 101, 257, 1000}) {
    PercentCache cache;
    for (std::int64_t part = 0; part <= whole + 2; ++part) {
      ASSERT_EQ(cache.percentOf(part, whole), percentOf(part, whole)) << part << " of " << whole;
    }
  }
}

TEST(PercentCacheTest, AgreesAroundEveryStepOfALargeFile) {
  // Wholes that 100 divides, so each step starts exactly at whole / 100 * percent.
  constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max() / 100 * 100;
  for (const std::int64_t whole : {std::int64_t{52'430'600}, Largest}) {
    PercentCache cache;
    for (std::int64_t percent = 0; percent <= 100; ++percent) {
      const std::int64_t step = whole / 100 * percent;
      for (std::int64_t part = step > 2 ? step - 2 : 0; part <= step + 2; ++part) {
        ASSERT_EQ(cache.percentOf(part, whole), percentOf(part, whole)) << part << " of " << whole;
      }
    }
  }
}

TEST(PercentCacheTest, CountsThatGoBackOrAnotherWholeAreNotServedFromTheCache) {
  PercentCache cache;
  EXPECT_EQ(cache.percentOf(50, 100), 50);
  EXPECT_EQ(cache.percentOf(49, 100), 49);  // back below the cached range
  EXPECT_EQ(cache.percentOf(49, 200), 24);  // same count, another whole
  EXPECT_EQ(cache.percentOf(49, 0), 0);
  EXPECT_EQ(cache.percentOf(300, 200), 100);
  EXPECT_EQ(cache.percentOf(0, 200), 0);
}

}  // namespace
}  // namespace tallowmere::framework
