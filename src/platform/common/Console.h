#pragma once

#include <string>

namespace tallowmere::platform {

// Where a front end without windows reports to a person (standard error for the batch
// converter), and what it may do there: on a terminal a line can be drawn again in place and
// should fit the terminal's width; anywhere else text is only added.
class Console {
 public:
  virtual ~Console() = default;

  virtual bool isTerminal() const = 0;
  // The terminal's width in columns now, so it follows resizes; 0 when not known.
  virtual int columns() const = 0;
  // Adds text as it is, at once.
  virtual void write(const std::string& text) = 0;
  // Draws text over the line the cursor is on, wiping what was there; on a terminal only.
  virtual void redrawLine(const std::string& text) = 0;
};

}  // namespace tallowmere::platform
