#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/posix/PosixCalendar.h"

namespace tallowmere::platform {
namespace {

// A zone far from UTC for the scope, so a time in the wrong zone shows.
class FarTimeZone {
 public:
  FarTimeZone() {
    if (const char* zone = std::getenv("TZ")) previous_ = zone;
    setenv("TZ", "TLW-5:30", 1);
    tzset();
  }
  ~FarTimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> previous_;
};

runtime::LocalTime localTimeAt(std::time_t at) {
  std::tm local{};
  localtime_r(&at, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

TEST(PosixCalendarTest, GivesTheTimeOfTheLocalZone) {
  FarTimeZone zone;
  const std::time_t before = std::time(nullptr);
  const runtime::LocalTime now = PosixCalendar().now();
  const std::time_t after = std::time(nullptr);
  EXPECT_TRUE(now == localTimeAt(before) || now == localTimeAt(after));
}

}  // namespace
}  // namespace tallowmere::platform
