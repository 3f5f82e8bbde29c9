#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tallowmere::framework {

// One record of the message table. Built-in entries point into their packed block and
// copy nothing; an entry added one by one keeps its own texts alive in OwnTexts.
struct ErrorEntry {
  std::int32_t Id = 0;
  std::string_view Message;
  std::string_view Title;
  std::uint8_t Fatality = 0;
  std::string Category;
  std::shared_ptr<const std::pair<std::string, std::string>> OwnTexts;
};

// The message being handled, with its own copies of title and text, so that a table
// change while a box is up cannot pull the text away.
struct BufferedError {
  std::int32_t Id = 0;
  std::string Message;
  std::string Title;
  std::uint8_t Fatality = 0;
  std::string Category;
};

}  // namespace tallowmere::framework
