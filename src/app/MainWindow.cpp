#include "app/MainWindow.h"

#include "app/ConversionNotice.h"
#include "app/GlobalObjects.h"
#include "app/Pipeline.h"
#include "framework/core/Globals.h"
#include "framework/errors/GlobalErrors.h"
#include "framework/windows/ToolbarClass.h"
#include "framework/windows/WindowManager.h"
#include "runtime/ui/Window.h"

namespace tallowmere::app {

namespace {

using framework::Level;
using runtime::ControlKind;
using runtime::NaturalSize;

constexpr int ButtonProcess = 8;
constexpr int ButtonClose = 9;

class MainWindowManager : public framework::WindowManager {
 public:
  explicit MainWindowManager(runtime::Window& window) : window_(window) {}

  Level Init() override {
    framework::GlobalErrors.SetProcedureName("Main");
    Request = framework::GlobalRequest;
    const Level result = WindowManager::Init();
    if (result != Level::Benign) return result;
    FirstField = 1;
    VCRRequest = &framework::VCRRequest;
    Errors = &framework::GlobalErrors;
    AddItem(toolbar_);
    framework::GlobalRequest = 0;
    framework::GlobalResponse = 0;
    AddItem(ButtonClose, Request == framework::SelectRecord ? framework::RequestCancelled
                                                            : framework::RequestCompleted);
    Open(window_);
    INIMgr.Fetch("Main", window_);
    SetAlerts();
    return result;
  }

  Level TakeAccepted() override {
    const Level result = WindowManager::TakeAccepted();
    if (EventControl() == ButtonProcess) {
      Update();
      showConversionNotice(RunPipeline(LOC_Options));
    }
    return result;
  }

  Level Kill() override {
    const Level result = WindowManager::Kill();
    if (result != Level::Benign) return result;
    if (Opened) INIMgr.Update("Main", window_);
    framework::GlobalErrors.SetProcedureName();
    return result;
  }

 private:
  runtime::Window& window_;
  framework::ToolbarClass toolbar_;
};

runtime::ControlDescription checkBox(int number, const char* text, int y, std::uint8_t& value) {
  return {number, ControlKind::CheckBox, 13, y, NaturalSize, NaturalSize, text, {}, &value};
}

}  // namespace

runtime::WindowDescription MainWindowDescription() {
  runtime::WindowDescription description;
  description.caption = "C7 to C6 Tallowmere";
  description.width = 245;
  description.height = 147;
  description.font = {"Tahoma", 9, runtime::FontWeightNormal};
  description.controls = {
      checkBox(1, "Remove Ordinals", 8, LOC_Options.RemoveOrdinals),
      {2, ControlKind::FixedText, 144, 8, 89, 10, "Import Filename: Import.txa", {}, nullptr},
      checkBox(3, "Correct Hash Field", 21, LOC_Options.CorrectHashField),
      {4,
       ControlKind::FixedText,
       144,
       21,
       NaturalSize,
       NaturalSize,
       "Export Filename: Export.txa",
       {},
       nullptr},
      checkBox(5, "Remove Guids", 34, LOC_Options.RemoveGuids),
      checkBox(6, "Correct Window Font", 47, LOC_Options.CorrectWindowFont),
      checkBox(7, "Correct AT", 61, LOC_Options.CorrectAT),
      {ButtonProcess, ControlKind::Button, 13, 127, 45, 14, "Process", {}, nullptr},
      {ButtonClose, ControlKind::Button, 196, 127, 45, 14, "Close", {}, nullptr},
  };
  return description;
}

void Main() {
  runtime::Window window(MainWindowDescription());
  MainWindowManager ThisWindow(window);
  framework::GlobalResponse = ThisWindow.Run();
}

}  // namespace tallowmere::app
