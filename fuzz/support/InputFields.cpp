#include "support/InputFields.h"

namespace tallowmere::fuzzing {

std::vector<std::string_view> splitFields(const std::uint8_t* data, std::size_t size,
                                          std::size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < count) {
    const std::size_t end = rest.find('\0');
    fields.push_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  fields.push_back(rest);
  return fields;
}

}  // namespace tallowmere::fuzzing
