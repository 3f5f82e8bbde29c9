#include "support/TestText.h"

#include <cstring>

namespace tallowmere::testing {

std::string wholeText(std::string_view text) {
  constexpr std::string_view Special = "\\^$.|?*+()[]{}";
  std::string pattern = "^";
  for (const char c : text) {
    if (Special.find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

runtime::SystemError systemCause(int errnum) {
  return {errnum, std::strerror(errnum)};
}

std::string systemError(int errnum) {
  return std::string(std::strerror(errnum)) + " (" + std::to_string(errnum) + ")";
}

std::string fatalOpenFailure(const std::string& file, const std::string& errorText) {
  return "File Access Error: File " + file + " could not be opened.  Error: " + errorText +
         ".  Press OK to end this application\nHalt: File Access Error\n";
}

std::string passesCompleted(const std::vector<std::string>& operations) {
  std::string text;
  for (const std::string& operation : operations) text += operation + ": 100% Complete\n";
  return text;
}

std::string passesWithNoRecords(const std::vector<std::string>& operations) {
  std::string text;
  for (const std::string& operation : operations) {
    text +=
        "No Records: There are no records available to process.\n" + operation + ": 0% Completed\n";
  }
  return text;
}

const std::vector<std::string>& everyPass() {
  static const std::vector<std::string> operations{
      "Importing TXA File", "Removing Guids", "Removing Ordinals", "Correcting Hash Fields",
      "Correcting Font",    "Correcting AT",  "Exporting TXA File"};
  return operations;
}

}  // namespace tallowmere::testing
