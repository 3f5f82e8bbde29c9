#pragma once

#include <string>
#include <string_view>

#include "framework/core/Levels.h"

namespace tallowmere::framework {

class ErrorStatusClass;

// The error reporter: raises messages by id from its message table, fills their macros
// from the captured error state and handles them by their level.
//
// The operations below are the ones the rest of the framework relies on; their
// signatures are fixed. The class is completed (table, handlers, history, log, ...) in
// its own implementation.
class ErrorClass {
 public:
  ErrorClass();
  virtual ~ErrorClass();

  void Init(ErrorStatusClass& status);
  void Init();
  void Kill();

  // SetErrors, then TakeError(id).
  Level Throw(int id);
  // SetFile(fileName), then Throw(id).
  Level ThrowFile(int id, std::string_view fileName);
  // SetMessageText(text), then Throw(id).
  Level ThrowMessage(int id, std::string_view text);
  // Looks the id up and handles the message by its level; does not capture error state.
  Level TakeError(int id);

  // Captures the current thread's runtime error state (code, text, driver code and text).
  void SetErrors();
  void SetFile(std::string_view name);
  void SetKey(std::string_view name);
  void SetField(std::string_view name);
  void SetMessageText(std::string_view text);

  // With a name: pushes it on this thread's procedure-name stack; without: pops.
  void SetProcedureName(std::string_view name);
  void SetProcedureName();
  std::string GetProcedureName() const;
};

}  // namespace tallowmere::framework
