#include "app/MainWindow.h"

#include "app/ChosenFiles.h"
#include "app/FilePaths.h"
#include "app/GlobalObjects.h"
#include "app/RememberedChoices.h"
#include "app/WindowConversion.h"
#include "framework/core/Globals.h"
#include "framework/errors/GlobalErrors.h"
#include "framework/windows/ToolbarClass.h"
#include "framework/windows/WindowManager.h"
#include "runtime/ui/FrontEnd.h"
#include "runtime/ui/MessageBox.h"
#include "runtime/ui/Window.h"

namespace tallowmere::app {

namespace {

using framework::Level;
using runtime::ControlKind;
using runtime::NaturalSize;

constexpr int StringImportTXA = 2;
constexpr int StringExportFilename = 4;
constexpr int ButtonProcess = 8;
constexpr int ButtonClose = 9;
constexpr int BrowseImport = 10;
constexpr int BrowseExport = 11;
constexpr int StringStatus = 12;
constexpr int ButtonShowExport = 13;

class MainWindowManager : public framework::WindowManager {
 public:
  MainWindowManager(runtime::Window& window, std::vector<std::string> filesGiven)
      : window_(window) {
    files_.chooseImports(std::move(filesGiven));
  }

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
    remembered_ = fetchChoices();
    LOC_Options = remembered_.options;
    Open(window_);
    showFiles();
    INIMgr.Fetch("Main", window_);
    SetAlerts();
    return result;
  }

  Level TakeAccepted() override {
    const Level result = WindowManager::TakeAccepted();
    switch (EventControl()) {
      case ButtonProcess:
        Update();
        process();
        break;
      case BrowseImport:
        browseImports();
        break;
      case BrowseExport:
        browseExport();
        break;
      case ButtonShowExport:
        if (runtime::FrontEnd* screen = runtime::frontEnd()) screen->showInFolder(written_);
        break;
      default:
        break;
    }
    return result;
  }

  Level TakeWindowEvent() override {
    if (window_.currentEvent().event == runtime::Event::FilesGiven) {
      takeGivenFiles(window_.takeGivenFiles());
      return Level::Benign;
    }
    return WindowManager::TakeWindowEvent();
  }

  Level Kill() override {
    const Level result = WindowManager::Kill();
    if (result != Level::Benign) return result;
    if (Opened) {
      remembered_.options = LOC_Options;
      updateChoices(remembered_);
      INIMgr.Update("Main", window_);
    }
    framework::GlobalErrors.SetProcedureName();
    return result;
  }

 private:
  void showFiles() {
    window_.setText(StringImportTXA, files_.importText());
    window_.setText(StringExportFilename, files_.exportText());
  }

  void process() {
    const std::vector<FileConversion> conversions = convertChosen(files_, LOC_Options);
    written_.clear();
    for (const FileConversion& conversion : conversions) {
      if (conversion.converted()) written_ = conversion.output;
    }
    window_.setText(StringStatus, statusLine(conversions));
    const runtime::FrontEnd* screen = runtime::frontEnd();
    window_.setVisible(ButtonShowExport,
                       !written_.empty() && screen != nullptr && screen->canShowInFolder());
    showConversionNotices(conversions);
  }

  // The folder a dialog starts in: the current file's, once one is chosen, else the one
  // used last.
  std::string dialogFolder(const std::string& current) const {
    return chosen_ || remembered_.folder.empty() ? folderOf(current) : remembered_.folder;
  }

  void browseImports() {
    const std::string current = files_.imports().front();
    std::vector<std::string> chosen = runtime::chooseFiles({runtime::FileChoice::Purpose::Open,
                                                            "Choose the TXA files to convert",
                                                            dialogFolder(current),
                                                            {},
                                                            true});
    if (chosen.empty()) return;
    remembered_.folder = folderOf(chosen.front());
    chosen_ = true;
    files_.chooseImports(std::move(chosen));
    showFiles();
  }

  void browseExport() {
    const std::string current = files_.exportOf(files_.imports().front());
    const std::vector<std::string> chosen =
        runtime::chooseFiles({runtime::FileChoice::Purpose::Save, "Choose the file to write",
                              dialogFolder(current), utf8Of(pathOf(current).filename()), false});
    if (chosen.empty()) return;
    remembered_.folder = folderOf(chosen.front());
    chosen_ = true;
    files_.chooseExport(chosen.front());
    showFiles();
  }

  // A file dropped on the window or pasted into it; one that cannot be converted is
  // refused at once, naming it and why.
  void takeGivenFiles(std::vector<std::string> given) {
    std::vector<std::string> usable;
    std::string refused;
    for (std::string& file : given) {
      if (auto problem = givenFileProblem(file)) {
        refused += (refused.empty() ? "" : "|") + *problem;
      } else {
        usable.push_back(std::move(file));
      }
    }
    if (!refused.empty()) {
      runtime::messageBox({refused, "Not a TXA File", runtime::Icon::Warning, runtime::Button::OK,
                           runtime::Button::OK});
    }
    if (usable.empty()) return;
    chosen_ = true;
    files_.chooseImports(std::move(usable));
    showFiles();
  }

  runtime::Window& window_;
  framework::ToolbarClass toolbar_;
  ChosenFiles files_;
  RememberedChoices remembered_;
  bool chosen_ = false;
  std::string written_;  // the export Process wrote last
};

runtime::ControlDescription checkBox(int number, const char* text, int y, std::uint8_t& value) {
  return {number, ControlKind::CheckBox, 13, y, NaturalSize, NaturalSize, text, {}, &value};
}

runtime::ControlDescription fileName(int number, const char* text, int y) {
  runtime::ControlDescription name{number, ControlKind::FixedText, 108, y, 142, 10, text, {},
                                   nullptr};
  name.fit = runtime::TextFit::PathEllipsis;
  return name;
}

runtime::ControlDescription browse(int number, int y, const char* tip) {
  return {number, ControlKind::Button, 254, y - 2, 40, 12, "Browse\u2026", tip, nullptr};
}

}  // namespace

runtime::WindowDescription MainWindowDescription() {
  runtime::WindowDescription description;
  description.caption = "C7 to C6 Tallowmere";
  description.width = 300;
  description.height = 147;
  description.font = {"Tahoma", 9, runtime::FontWeightNormal};
  runtime::ControlDescription status{StringStatus, ControlKind::FixedText, 13, 86, 281, 10, {}, {},
                                     nullptr};
  status.fit = runtime::TextFit::EndEllipsis;
  runtime::ControlDescription showExport{ButtonShowExport,
                                         ControlKind::Button,
                                         13,
                                         100,
                                         70,
                                         14,
                                         "Show in Folder",
                                         "Opens the folder of the export with the export selected",
                                         nullptr};
  showExport.visible = false;
  description.controls = {
      checkBox(1, "Remove Ordinals", 8, LOC_Options.RemoveOrdinals),
      fileName(StringImportTXA, "Import Filename: Import.txa", 8),
      checkBox(3, "Correct Hash Field", 21, LOC_Options.CorrectHashField),
      fileName(StringExportFilename, "Export Filename: Export.txa", 21),
      checkBox(5, "Remove Guids", 34, LOC_Options.RemoveGuids),
      checkBox(6, "Correct Window Font", 47, LOC_Options.CorrectWindowFont),
      checkBox(7, "Correct AT", 61, LOC_Options.CorrectAT),
      {ButtonProcess, ControlKind::Button, 13, 127, 45, 14, "Process", {}, nullptr},
      {ButtonClose, ControlKind::Button, 249, 127, 45, 14, "Close", {}, nullptr},
      browse(BrowseImport, 8, "Chooses the TXA files to convert"),
      browse(BrowseExport, 21, "Chooses the file the conversion writes"),
      status,
      showExport,
  };
  return description;
}

void Main() {
  MainWithImports({});
}

void MainWithImports(std::vector<std::string> imports) {
  runtime::Window window(MainWindowDescription());
  MainWindowManager ThisWindow(window, std::move(imports));
  framework::GlobalResponse = ThisWindow.Run();
}

}  // namespace tallowmere::app
