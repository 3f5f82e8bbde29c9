#include "framework/process/ProgressWindow.h"

namespace tallowmere::framework {

runtime::WindowDescription ProgressWindow(std::uint8_t& thermometer) {
  using runtime::ControlKind;
  runtime::WindowDescription window;
  window.width = 142;
  window.height = 59;
  window.font = {"Tahoma", 10, runtime::FontWeightNormal};
  window.controls = {
      {Progress_Thermometer, ControlKind::ProgressBar, 15, 15, 111, 12, "", "", &thermometer},
      {Progress_UserString, ControlKind::FixedText, 0, 3, 141, 10, "", "", nullptr},
      {Progress_PctText, ControlKind::FixedText, 0, 30, 141, 10, "", "", nullptr},
      {Progress_Cancel, ControlKind::Button, 46, 42, 49, 15, "Cancel", "Cancel Process", nullptr},
  };
  window.progress =
      runtime::ProgressRole{Progress_Thermometer, Progress_UserString, Progress_PctText};
  return window;
}

}  // namespace tallowmere::framework
