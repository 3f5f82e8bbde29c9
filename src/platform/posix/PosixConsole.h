#pragma once

#include <cstdio>

#include "platform/common/Console.h"

namespace tallowmere::platform {

// A console on a stream of the process, such as standard error: a terminal when the stream
// is one, asked for its width at every call.
class PosixConsole final : public Console {
 public:
  explicit PosixConsole(std::FILE* out);

  bool isTerminal() const override { return terminal_; }
  int columns() const override;
  void write(const std::string& text) override;
  void redrawLine(const std::string& text) override;

 private:
  std::FILE* out_;
  bool terminal_;
};

}  // namespace tallowmere::platform
