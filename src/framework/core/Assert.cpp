#include "framework/core/Assert.h"

#include <string>

#include "runtime/ui/Halt.h"

namespace tallowmere::framework {

void assertionFailure(std::string_view message, SourcePlace where) {
  std::string text = "Assertion failed: ";
  text += message;
  text += "|Module: ";
  text += where.file;
  text += "|Line: ";
  text += std::to_string(where.line);
  runtime::halt(text, 3);
}

}  // namespace tallowmere::framework
