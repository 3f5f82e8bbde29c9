#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "MouseClick.h"
#include "ProgramFixture.h"
#include "UiProbe.h"

namespace tallowmere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string utf8(const fs::path& path) {
  return narrow(path.wstring());
}

std::string linesIn(const fs::path& file) {
  const std::string text = readAll(file);
  return std::to_string(std::count(text.begin(), text.end(), '\n'));
}

// Wine's drive Z: is the root of the Linux file system.
std::wstring unixPath(const fs::path& path) {
  std::wstring unix = path.wstring().substr(2);
  std::replace(unix.begin(), unix.end(), L'\\', L'/');
  return unix;
}

enum class Side { Import, Export };

// The captions of the desktop's windows, to say what came up instead.
std::string topLevelCaptions() {
  std::string captions;
  waitForWindow(
      0,
      [&](HWND window) {
        captions += "\"" + caption(window) + "\" ";
        return false;
      },
      0ms);
  return captions;
}

// Where the user chooses the files the window converts: the two Browse buttons and their
// dialogs, files given at start and dropped on the window; and what the window then says.
class ChoosingFilesTest : public WindowProgramFixture {
 protected:
  // The examples to convert, with what the batch converter makes of them: copied line by
  // line, or with every correction.
  const fs::path example = fromEnvironment(L"TALLOWMERE_EXAMPLE");
  const fs::path copied = fromEnvironment(L"TALLOWMERE_EXAMPLE_COPIED");
  const fs::path corrected = fromEnvironment(L"TALLOWMERE_EXAMPLE_CORRECTED");

  fs::path exampleIn(const fs::path& file) {
    fs::create_directories(file.parent_path());
    fs::copy_file(example, file, fs::copy_options::overwrite_existing);
    return file;
  }

  // The status line: the fixed text that names no file.
  static std::string statusOf(HWND main) {
    for (const SeenControl& seen : childrenOf(main)) {
      if (seen.className == "Static" && !seen.text.starts_with("Import Filename: ") &&
          !seen.text.starts_with("Export Filename: ")) {
        return seen.text;
      }
    }
    return "(no status line)";
  }

  // Waits until the main window names the import and the export so.
  static bool showsFiles(HWND main, const std::string& import, const std::string& output) {
    const std::string importText = "Import Filename: " + import;
    const std::string exportText = "Export Filename: " + output;
    const bool shown =
        waitUntil([&] { return control(main, importText) && control(main, exportText); }, 10s);
    if (!shown) {
      for (const SeenControl& seen : childrenOf(main)) {
        if (seen.className == "Static") std::cerr << "The window shows \"" << seen.text << "\"\n";
      }
    }
    return shown;
  }

  // Presses the Browse button beside the import or the export; returns its dialog.
  HWND browse(HWND main, Side side, const std::string& title) {
    std::vector<SeenControl> buttons;
    for (const SeenControl& seen : childrenOf(main)) {
      if (seen.text == Browse) buttons.push_back(seen);
    }
    EXPECT_EQ(buttons.size(), 2u);
    if (buttons.size() != 2) return nullptr;
    std::sort(buttons.begin(), buttons.end(),
              [](const SeenControl& a, const SeenControl& b) { return a.place.top < b.place.top; });
    EXPECT_TRUE(clickWithMouse(buttons[side == Side::Import ? 0 : 1].handle));
    HWND dialog = waitForCaption(run->id(), title, 20s);
    EXPECT_TRUE(dialog) << "no dialog \"" << title << "\"";
    return dialog;
  }

  // The dialog's file name box: where the focus is when the dialog opens.
  static HWND nameBox(HWND dialog) {
    HWND box = nullptr;
    waitUntil(
        [&] {
          box = focusOf(dialog);
          return box && className(box) == "Edit" && GetAncestor(box, GA_ROOT) == dialog;
        },
        10s);
    EXPECT_TRUE(box && className(box) == "Edit") << "no name box has the focus";
    return box;
  }

  // Types over what the dialog's name box holds, as a user does, and presses Enter.
  static void chooseInDialog(HWND dialog, const std::wstring& typed) {
    HWND box = nameBox(dialog);
    ASSERT_TRUE(box);
    SetForegroundWindow(dialog);
    SendMessageW(box, EM_SETSEL, 0, -1);
    typeCharacters(typed);
    ASSERT_TRUE(waitUntil([&] { return windowText(box) == narrow(typed); }, 10s))
        << "the name box shows \"" << windowText(box) << "\"";
    type({VK_RETURN});
  }

  // The question a dialog asks over itself; null when none came.
  HWND questionOver(HWND dialog) {
    return waitForWindow(
        run->id(),
        [&](HWND window) {
          return window != dialog && className(window) == "#32770" &&
                 GetWindow(window, GW_OWNER) == dialog;
        },
        10s);
  }

  // Drops the files on the main window from the desktop, as a file manager does: through the
  // X drag-and-drop protocol, which Wine turns into the drop of Windows.
  void dropFromTheDesktop(const std::vector<fs::path>& files) {
    std::wstring line = L"\"" + fromEnvironment(L"TALLOWMERE_XDND").wstring() + L"\" \"" +
                        std::wstring(MainCaption, MainCaption + std::strlen(MainCaption)) + L"\"";
    for (const fs::path& file : files) line += L" \"" + unixPath(file) + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION dropper{};
    // A Linux program started from Wine: it runs beside the Windows ones, and what it ends
    // with Windows cannot tell; the window shows whether the drop came.
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &start, &dropper));
    CloseHandle(dropper.hThread);
    CloseHandle(dropper.hProcess);
  }

  // The export that follows an import.
  static fs::path besideOf(const fs::path& import) {
    return import.parent_path() / (import.stem().wstring() + L"-C6" + import.extension().wstring());
  }

  // Started with the files, the window shows them, converts each beside itself and says so.
  void convertFilesGivenAtStart(const std::vector<fs::path>& files, const std::string& import,
                                const std::string& output, const std::string& said) {
    const std::vector<std::wstring> arguments(files.begin(), files.end());
    HWND main = startWithMainWindow(L".exe", arguments);
    ASSERT_TRUE(main);
    ASSERT_TRUE(showsFiles(main, import, output));
    processAndWait(main);
    for (const fs::path& file : files) {
      EXPECT_TRUE(readAll(besideOf(file)) == readAll(copied)) << utf8(file);
    }
    EXPECT_EQ(statusOf(main), said);
    press(main, "Close");
    EXPECT_EQ(run->exitStatus(20s), 0u);
  }

  void processAndWait(HWND main) {
    press(main, "Process");
    EXPECT_TRUE(waitForPassesToEnd(main));
  }
};

TEST_F(ChoosingFilesTest, BrowseTakesTheImportFromTheOpenDialogAndProcessConvertsItBesideIt) {
  const fs::path orders = exampleIn(folder / "Orders.txa");
  const fs::path ordersConverted = folder / "Orders-C6.txa";
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  for (const std::string& text : CorrectionBoxes) {
    ASSERT_TRUE(clickBoxTo(control(main, text), BST_CHECKED)) << text;
  }
  HWND dialog = browse(main, Side::Import, "Choose the TXA files to convert");
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(IsWindowEnabled(main)) << "the dialog is not modal over the window";
  std::this_thread::sleep_for(500ms);
  shoot(dialog, L"open-dialog.bmp");
  // Typed whole, as a user may paste it; in the working folder, it is named by its name.
  chooseInDialog(dialog, orders.wstring());
  ASSERT_TRUE(showsFiles(main, "Orders.txa", "Orders-C6.txa"));

  processAndWait(main);
  EXPECT_TRUE(readAll(ordersConverted) == readAll(corrected))
      << "the export differs from the batch converter's";
  EXPECT_EQ(statusOf(main), "Orders.txa \u2192 Orders-C6.txa: " +
                                narrow(fromEnvironment(L"TALLOWMERE_EXAMPLE_SAID").wstring()));
  HWND showInFolder = control(main, "Show in Folder");
  ASSERT_TRUE(showInFolder);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(showInFolder) != FALSE; }, 5s));
  std::this_thread::sleep_for(300ms);
  shoot(main, L"main-window.bmp");

  // The shell opens the folder in its file manager with the export selected: under Wine in
  // its own file manager, Windows' Explorer on Windows.
  ASSERT_TRUE(clickWithMouse(showInFolder));
  const std::string folderName = utf8(folder.filename());
  HWND explorer = waitForWindow(
      0, [&](HWND window) { return caption(window).find(folderName) != std::string::npos; }, 20s);
  ASSERT_TRUE(explorer) << "no file manager came up on the export's folder; the windows: "
                        << topLevelCaptions();
  const SeenControl* list = nullptr;
  std::vector<SeenControl> parts;
  EXPECT_TRUE(waitUntil(
      [&] {
        parts = childrenOf(explorer);
        list = findByClass(parts, "SysListView32");
        return list && selectedItems(list->handle) == std::vector<std::string>{"Orders-C6.txa"};
      },
      10s))
      << "the file manager does not show the export selected";
  shoot(explorer, L"shell-folder.bmp");
  PostMessageW(explorer, WM_CLOSE, 0, 0);

  // Several at once, as the dialog lets the user choose them: the window takes them all.
  exampleIn(folder / "Other.txa");
  dialog = browse(main, Side::Import, "Choose the TXA files to convert");
  ASSERT_TRUE(dialog);
  chooseInDialog(dialog, L"\"Orders.txa\" \"Other.txa\"");
  EXPECT_TRUE(showsFiles(main, "Orders.txa and 1 more", "Orders-C6.txa and 1 more"));

  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(ChoosingFilesTest, TheSaveDialogSuggestsTheExportAndAsksBeforeReplacingAFile) {
  exampleIn(folder / "Import.txa");
  const fs::path old = folder / "Old.txa";
  std::ofstream(old, std::ios::binary) << "kept\r\n";
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  HWND dialog = browse(main, Side::Export, "Choose the file to write");
  ASSERT_TRUE(dialog);
  HWND box = nameBox(dialog);
  ASSERT_TRUE(box);
  EXPECT_EQ(windowText(box), "Export.txa");

  // Asked, the user keeps the file and stays in the dialog; asked again, replaces it. (Wine's
  // question does not name the file, Windows' does.)
  chooseInDialog(dialog, old.wstring());
  HWND question = questionOver(dialog);
  ASSERT_TRUE(question) << "not asked before replacing " << utf8(old);
  const std::string asked = answer(question, "No");
  EXPECT_NE(asked.find("already exists"), std::string::npos) << asked;
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(control(main, "Export Filename: Export.txa"));
  chooseInDialog(dialog, old.wstring());
  question = questionOver(dialog);
  ASSERT_TRUE(question);
  answer(question, "Yes");
  ASSERT_TRUE(showsFiles(main, "Import.txa", "Old.txa"));
  EXPECT_EQ(readAll(old), "kept\r\n") << "written before Process";

  processAndWait(main);
  EXPECT_TRUE(readAll(old) == readAll(copied)) << "the export differs from the batch converter's";
  EXPECT_FALSE(fs::exists(folder / "Export.txa"));
  EXPECT_EQ(statusOf(main), "Import.txa \u2192 Old.txa: " + linesIn(copied) + " lines written");
  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(ChoosingFilesTest, FilesGivenAtStartAreTheImportsAndProcessConvertsEachBesideItself) {
  const fs::path first = exampleIn(folder / "in" / "First.txa");
  const fs::path second = exampleIn(folder / "in" / "Second.txa");
  const std::string lines = linesIn(copied);
  // As Explorer starts the program for a file opened with it...
  convertFilesGivenAtStart(
      {first}, utf8(first), utf8(besideOf(first)),
      utf8(first) + " \u2192 " + utf8(besideOf(first)) + ": " + lines + " lines written");
  // ...and for several files dropped on its icon.
  fs::remove(besideOf(first));
  convertFilesGivenAtStart(
      {first, second}, utf8(first) + " and 1 more", utf8(besideOf(first)) + " and 1 more",
      "2 files converted: " + std::to_string(2 * std::stoi(lines)) + " lines written");
}

TEST_F(ChoosingFilesTest, FilesDroppedOnTheWindowFromTheDesktopBecomeTheImports) {
  const fs::path orders = exampleIn(folder / "in" / "Orders.txa");
  const fs::path other = exampleIn(folder / "in" / "Other.txa");
  const fs::path empty = folder / "in" / "Empty.txa";
  std::ofstream(empty, std::ios::binary).flush();
  fs::copy_file(fromEnvironment(L"TALLOWMERE_LARGE"), folder / "Import.txa");
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);

  // A drop while a conversion runs would change the files under it: it is let go.
  for (const std::string& text : CorrectionBoxes) {
    ASSERT_TRUE(clickBoxTo(control(main, text), BST_CHECKED)) << text;
  }
  press(main, "Process");
  ASSERT_TRUE(waitForCaption(run->id(), ProgressCaption, 20s));
  dropFromTheDesktop({orders});
  ASSERT_TRUE(waitForPassesToEnd(main));
  EXPECT_TRUE(showsFiles(main, "Import.txa", "Export.txa"));
  EXPECT_FALSE(waitForBox(0ms)) << "a notice after the conversion";

  dropFromTheDesktop({orders});
  ASSERT_TRUE(showsFiles(main, utf8(orders), utf8(folder / "in" / "Orders-C6.txa")));
  dropFromTheDesktop({empty});
  EXPECT_EQ(answerBox("OK"),
            "Not a TXA File: " + utf8(empty) + " is empty: there is nothing to convert");
  EXPECT_TRUE(showsFiles(main, utf8(orders), utf8(folder / "in" / "Orders-C6.txa")));
  dropFromTheDesktop({orders, other});
  ASSERT_TRUE(showsFiles(main, utf8(orders) + " and 1 more",
                         utf8(folder / "in" / "Orders-C6.txa") + " and 1 more"));

  processAndWait(main);
  EXPECT_TRUE(readAll(folder / "in" / "Orders-C6.txa") == readAll(corrected));
  EXPECT_TRUE(readAll(folder / "in" / "Other-C6.txa") == readAll(corrected));
  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(ChoosingFilesTest, AMissingImportIsSaidAndTheWindowStaysOpenForAnotherTry) {
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  press(main, "Process");
  EXPECT_EQ(answerBox("OK"), "Not Converted: Import.txa is missing.");
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(main) != FALSE; }, 10s));
  EXPECT_EQ(statusOf(main), "Not converted: Import.txa is missing");
  EXPECT_FALSE(fs::exists(folder / "Export.txa"));

  exampleIn(folder / "Import.txa");
  processAndWait(main);
  EXPECT_TRUE(readAll(folder / "Export.txa") == readAll(copied));
  EXPECT_EQ(statusOf(main), "Import.txa \u2192 Export.txa: " + linesIn(copied) + " lines written");
  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

}  // namespace
}  // namespace tallowmere::testing
