#pragma once

#include <cstdint>

namespace tallowmere::framework {

// The severity every framework operation returns, and the level stored with each message.
enum class Level : std::uint8_t {
  Benign = 0,   // go on
  User = 1,     // a Yes/No question
  Program = 2,  // handled as fatal
  Fatal = 3,    // the program ends
  Cancel = 4,   // the user declined
  Notify = 5,   // told or done; stop quietly
};

enum class Record : std::uint8_t { OK = 0, OutOfRange = 1, Filtered = 2 };

// Window requests and responses travel as one byte.
inline constexpr std::uint8_t RequestNone = 0;
inline constexpr std::uint8_t RequestCompleted = 1;
inline constexpr std::uint8_t RequestCancelled = 2;
inline constexpr std::uint8_t SelectRecord = 4;

}  // namespace tallowmere::framework
