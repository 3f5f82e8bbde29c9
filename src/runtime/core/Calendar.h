#pragma once

namespace tallowmere::runtime {

// A moment of the local wall clock, as people read it: the month and day count from 1.
struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const LocalTime&) const = default;
};

// The local date and time, where the platform keeps them (the time zone is its business).
class Calendar {
 public:
  virtual ~Calendar() = default;
  virtual LocalTime now() const = 0;
};

// The platform's calendar, one of the installed platform services.
const Calendar& calendar();

}  // namespace tallowmere::runtime
