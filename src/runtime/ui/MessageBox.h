#pragma once

#include <string>

namespace tallowmere::runtime {

enum class Icon { Information, Warning };

// Buttons are added together when a box offers several.
namespace Button {
inline constexpr int OK = 1;
inline constexpr int Yes = 2;
inline constexpr int No = 4;
}  // namespace Button

struct MessageBoxRequest {
  std::string text;  // a "|" starts a new line
  std::string caption;
  Icon icon = Icon::Information;
  int buttons = Button::OK;
  int defaultButton = Button::OK;
};

// Where message boxes are shown: the front end in use, or a stand-in put in its place.
class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // Shows the box modally and returns the button pressed.
  virtual int showMessageBox(const MessageBoxRequest& request) = 0;
};

// Shows the box through the installed port; with none installed, answers the default.
int messageBox(const MessageBoxRequest& request);

}  // namespace tallowmere::runtime
