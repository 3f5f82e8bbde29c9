// The error reporter's message macros over arbitrary message texts and values: filling
// them in ends, the text shown stays within the reporter's buffer, a value holding its own
// macro name is inserted once, and a text without macros is shown as it is.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/Levels.h"
#include "framework/errors/ErrorClass.h"
#include "framework/errors/ErrorStatusClass.h"
#include "runtime/core/PlatformServices.h"
#include "runtime/files/ErrorState.h"
#include "runtime/text/FixedText.h"
#include "runtime/ui/MessageBox.h"
#include "support/Broken.h"
#include "support/InputFields.h"

namespace {

using tallowmere::framework::ErrorClass;
using tallowmere::framework::Level;

// Ids the built-in table does not use; both entries are notices, so nothing ends the run.
constexpr int FuzzedMessage = 60001;
constexpr int OwnNameMessage = 60002;

constexpr tallowmere::fuzzing::Broken broken{"message macros"};

// Keeps the box that would have been shown instead of showing it.
class RecordingBoxes : public tallowmere::runtime::MessageBoxPort {
 public:
  int showMessageBox(const tallowmere::runtime::MessageBoxRequest& request) override {
    text = request.text;
    ++shown;
    return request.defaultButton;
  }
  std::string text;
  int shown = 0;
};

ErrorClass& reporter() {
  static tallowmere::framework::ErrorStatusClass status;
  static ErrorClass errors;
  static const bool ready = [] {
    errors.Init(status);
    return true;
  }();
  (void)ready;
  return errors;
}

int number(std::string_view digits) {
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// What the user is shown for message id, with its entry added for this one throw.
std::string shown(RecordingBoxes& boxes, int id, std::string_view message,
                  std::string_view category) {
  ErrorClass& errors = reporter();
  errors.AddError(id, message, "Fuzz", Level::Notify, category);
  const int before = boxes.shown;
  if (errors.Throw(id) != Level::Notify) broken("a notice did not answer Notify");
  if (boxes.shown != before + 1) broken("a notice was not shown once");
  errors.RemoveError(id);
  return boxes.text;
}

std::string withoutMacros(std::string_view text) {
  std::string plain;
  for (const char c : text.substr(0, 100)) {
    if (c != '%') plain += c;
  }
  return plain;
}

}  // namespace

// The input, cut at NUL bytes: file, key, field, message text, error code, error text,
// driver code, driver text, procedure, category, then the message itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static RecordingBoxes boxes;
  tallowmere::runtime::installPlatformServices({.messageBoxes = &boxes});
  const auto f = tallowmere::fuzzing::splitFields(data, size, 11);
  const std::string_view message = f[10];
  ErrorClass& errors = reporter();
  errors.SetFile(f[0]);
  errors.SetKey(f[1]);
  errors.SetField(f[2]);
  errors.SetMessageText(f[3]);
  tallowmere::runtime::restoreError(
      {number(f[4]), std::string(f[5]), std::string(f[6]), std::string(f[7])});
  errors.SetProcedureName(f[8]);

  const std::string text = shown(boxes, FuzzedMessage, message, f[9]);
  if (text.size() > ErrorClass::TextLimit) broken("the text outgrew its buffer");
  if (message.find('%') == std::string_view::npos &&
      text != tallowmere::runtime::clip(message.substr(0, ErrorClass::TextLimit)))
    broken("a text without macros was changed");

  // Brackets keep the value from equalling the macro name itself, which is left alone.
  const std::string ownName = "<" + withoutMacros(f[2]) + "%field" + withoutMacros(f[3]) + ">";
  errors.SetField(ownName);
  if (shown(boxes, OwnNameMessage, "%FIELD", {}) != ownName)
    broken("a value holding its own macro name was not inserted once");

  errors.SetProcedureName();
  return 0;
}
