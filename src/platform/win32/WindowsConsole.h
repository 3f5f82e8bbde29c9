#pragma once

#include <cstdio>

#include "platform/common/Console.h"

namespace tallowmere::platform {

// A console on a stream of the process, such as standard error: a console window when the
// stream's handle is one (text reaches it in UTF-16, so any name shows as it is), anything
// else (a pipe, a file) gets the UTF-8 bytes through the stream.
class WindowsConsole final : public Console {
 public:
  explicit WindowsConsole(std::FILE* out);

  bool isTerminal() const override { return console_ != nullptr; }
  int columns() const override;
  void write(const std::string& text) override;
  void redrawLine(const std::string& text) override;

 private:
  void clearToEndOfLine();

  std::FILE* out_;
  // The console's handle; null when the stream is not a console.
  void* console_ = nullptr;
};

}  // namespace tallowmere::platform
