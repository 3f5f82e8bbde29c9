// Looks at an installed Tallowmere as Windows and its user meet it, for
// tests/windows/installer-tests.sh:
//
//   installer_probe shortcuts
//     prints the user's folders (Documents=..., LocalAppData=..., AppData=...) and, for the
//     Start-menu and the "Send to" entry, what Explorer reads from the shortcut
//     (StartMenu.target=..., .arguments, .folder, .icon), or StartMenu=none
//   installer_probe start-menu SHOT
//     opens the Start-menu entry as a click on it does, waits for the main window, saves it
//     as SHOT (BMP) and presses its Close
//   installer_probe refused MSI TEXT SHOT
//     runs "msiexec /i MSI /qb" as a user who double-clicks it does, waits for the message
//     that holds TEXT, saves it as SHOT, presses its OK and expects the installation to fail
//
// Each ends with status 0 when everything came as expected and says what did not otherwise.
#include <windows.h>
// Need the types <windows.h> declares.
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "MouseClick.h"
#include "UiProbe.h"

namespace tallowmere::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto Patience = 60s;

int fail(const std::string& why) {
  std::fprintf(stderr, "installer_probe: %s\n", why.c_str());
  return 1;
}

std::wstring knownFolder(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(folder, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

std::wstring startMenuEntry() {
  return knownFolder(FOLDERID_Programs) + L"\\Tallowmere.lnk";
}

void print(const std::string& key, const std::wstring& value) {
  std::printf("%s=%s\n", key.c_str(), narrow(value).c_str());
}

// Prints what the shell reads from the shortcut, under the given name.
void printShortcut(const std::string& name, const std::wstring& file) {
  IShellLinkW* link = nullptr;
  IPersistFile* persisted = nullptr;
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES ||
      FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    print(name, L"none");
    return;
  }
  wchar_t text[MAX_PATH * 2] = {};
  int iconIndex = 0;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted))) &&
      SUCCEEDED(persisted->Load(file.c_str(), STGM_READ))) {
    // The raw target, as stored, not one the shell would look for if it had moved.
    link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
    print(name + ".target", text);
    text[0] = 0;
    link->GetArguments(text, MAX_PATH * 2);
    print(name + ".arguments", text);
    text[0] = 0;
    link->GetWorkingDirectory(text, MAX_PATH * 2);
    print(name + ".folder", text);
    text[0] = 0;
    link->GetIconLocation(text, MAX_PATH * 2, &iconIndex);
    print(name + ".icon", std::wstring(text) + L"," + std::to_wstring(iconIndex));
  } else {
    print(name, L"unreadable");
  }
  if (persisted) persisted->Release();
  link->Release();
}

int shortcuts() {
  print("Documents", knownFolder(FOLDERID_Documents));
  print("LocalAppData", knownFolder(FOLDERID_LocalAppData));
  print("AppData", knownFolder(FOLDERID_RoamingAppData));
  printShortcut("StartMenu", startMenuEntry());
  printShortcut("SendTo", knownFolder(FOLDERID_SendTo) + L"\\Tallowmere.lnk");
  return 0;
}

// A process the shell started, ended if it is still there when the probe gives up.
class Started {
 public:
  explicit Started(HANDLE process) : process_(process) {}
  ~Started() {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  DWORD id() const { return GetProcessId(process_); }
  bool endedWithin(std::chrono::milliseconds time, DWORD& status) const {
    if (WaitForSingleObject(process_, static_cast<DWORD>(time.count())) != WAIT_OBJECT_0) {
      return false;
    }
    GetExitCodeProcess(process_, &status);
    return true;
  }

 private:
  HANDLE process_;
};

HWND controlShowing(HWND window, const std::string& text) {
  const std::vector<SeenControl> controls = childrenOf(window);
  const SeenControl* found = findByText(controls, text);
  return found ? found->handle : nullptr;
}

// The shell starts the program the entry names without saying which process that is (Wine's
// gives none for a shortcut), so the program is known by its window.
int openStartMenuEntry(const std::wstring& shot) {
  const std::wstring entry = startMenuEntry();
  if (reinterpret_cast<INT_PTR>(
          ShellExecuteW(nullptr, L"open", entry.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) <= 32) {
    return fail("the shell did not open the Start-menu entry");
  }
  HWND main = waitForCaption(0, MainCaption, Patience);
  DWORD id = 0;
  GetWindowThreadProcessId(main, &id);
  HANDLE process =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, id);
  if (!main || !process) return fail("the Start-menu entry started no main window");
  const Started program(process);
  // Shot once its controls are there and have had a moment to be drawn.
  HWND close = nullptr;
  for (auto until = std::chrono::steady_clock::now() + Patience;
       !close && std::chrono::steady_clock::now() < until; std::this_thread::sleep_for(50ms)) {
    close = controlShowing(main, "Close");
  }
  if (!close) return fail("the main window shows no Close button");
  std::this_thread::sleep_for(500ms);
  saveScreenshot(main, shot);
  if (!clickWithMouse(close)) return fail("Close could not be clicked");
  DWORD status = 0;
  if (!program.endedWithin(Patience, status)) return fail("the program did not end when closed");
  if (status != 0) return fail("the program ended with status " + std::to_string(status));
  return 0;
}

bool holdsText(HWND window, const std::string& text) {
  for (const SeenControl& control : childrenOf(window)) {
    if (control.text.find(text) != std::string::npos) return true;
  }
  return false;
}

int refusedInstallation(const std::wstring& package, const std::string& text,
                        const std::wstring& shot) {
  const std::wstring msiexec = knownFolder(FOLDERID_System) + L"\\msiexec.exe";
  std::wstring line = L"msiexec /i \"" + package + L"\" /qb";
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(msiexec.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &start, &process)) {
    return fail("msiexec did not start");
  }
  CloseHandle(process.hThread);
  const Started installer(process.hProcess);
  HWND message = waitForWindow(
      installer.id(), [&](HWND window) { return holdsText(window, text); }, Patience);
  if (!message) return fail("msiexec showed no message saying: " + text);
  saveScreenshot(message, shot);
  HWND ok = controlShowing(message, "OK");
  if (!ok || !clickWithMouse(ok)) return fail("the message has no OK to click");
  DWORD status = 0;
  if (!installer.endedWithin(Patience, status)) return fail("msiexec did not end after OK");
  if (status != ERROR_INSTALL_FAILURE) {
    return fail("msiexec ended with status " + std::to_string(status) + ", not 1603");
  }
  return 0;
}

}  // namespace
}  // namespace tallowmere::testing

int wmain(int count, wchar_t** arguments) {
  using namespace tallowmere::testing;
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return fail("no COM");
  const std::wstring command = count > 1 ? arguments[1] : L"";
  int status = 2;
  if (command == L"shortcuts" && count == 2) {
    status = shortcuts();
  } else if (command == L"start-menu" && count == 3) {
    status = openStartMenuEntry(arguments[2]);
  } else if (command == L"refused" && count == 5) {
    status = refusedInstallation(arguments[2], narrow(arguments[3]), arguments[4]);
  } else {
    std::fputs("usage: installer_probe shortcuts | start-menu SHOT | refused MSI TEXT SHOT\n",
               stderr);
  }
  CoUninitialize();
  return status;
}
