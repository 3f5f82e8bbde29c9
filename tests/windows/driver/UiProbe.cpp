#include "UiProbe.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

namespace tallowmere::testing {

namespace {

struct Search {
  DWORD process;
  const std::function<bool(HWND)>* test;
  HWND found;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((search->process && owner != search->process) || !IsWindowVisible(window) ||
      !(*search->test)(window)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

BOOL CALLBACK collectChild(HWND child, LPARAM data) {
  auto* controls = reinterpret_cast<std::vector<SeenControl>*>(data);
  SeenControl seen{
      child, className(child), windowText(child), GetWindowLongW(child, GWL_STYLE), {}};
  GetWindowRect(child, &seen.place);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&seen.place), 2);
  controls->push_back(seen);
  return TRUE;
}

}  // namespace

ProgramRun::ProgramRun(const std::wstring& program, const std::wstring& folder) {
  STARTUPINFOW start{};
  start.cb = sizeof start;
  std::wstring line = L"\"" + program + L"\"";
  CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                 &start, &process_);
}

ProgramRun::~ProgramRun() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

// The size and the rectangle travel by address, so they are written into the program's own
// memory.
std::optional<RECT> ProgramRun::moveOntoScale(HWND window, UINT dpi, POINT corner) {
  RECT frame{};
  GetWindowRect(window, &frame);
  SIZE size{MulDiv(frame.right - frame.left, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI),
            MulDiv(frame.bottom - frame.top, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI)};
  RECT suggested{};
  void* remote =
      VirtualAllocEx(process_.hProcess, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return std::nullopt;
  const auto send = [&](UINT message, auto& value, bool readBack) {
    DWORD_PTR answer = 0;
    return WriteProcessMemory(process_.hProcess, remote, &value, sizeof value, nullptr) &&
           SendMessageTimeoutW(window, message,
                               message == WM_DPICHANGED ? MAKEWPARAM(dpi, dpi) : dpi,
                               reinterpret_cast<LPARAM>(remote), SMTO_BLOCK, 5000, &answer) &&
           (!readBack || !answer ||
            ReadProcessMemory(process_.hProcess, remote, &value, sizeof value, nullptr));
  };
  bool sent = send(WM_GETDPISCALEDSIZE, size, true);
  suggested = {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
  sent = sent && send(WM_DPICHANGED, suggested, false);
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  return sent ? std::optional(suggested) : std::nullopt;
}

std::optional<DWORD> ProgramRun::exitStatus(std::chrono::milliseconds within) {
  if (!process_.hProcess ||
      WaitForSingleObject(process_.hProcess, static_cast<DWORD>(within.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD status = 0;
  GetExitCodeProcess(process_.hProcess, &status);
  return status;
}

std::string narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

std::string windowText(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR length = 0;
  // Asked by message, as a screen reader asks, so it works across processes; a window that
  // went away meanwhile has no text.
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                           2000, &length)) {
    return {};
  }
  return narrow(std::wstring(text, std::min<DWORD_PTR>(length, 511)));
}

std::string className(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return narrow(name);
}

HWND waitForWindow(DWORD process, const std::function<bool(HWND)>& test,
                   std::chrono::milliseconds within) {
  const auto until = std::chrono::steady_clock::now() + within;
  do {
    Search search{process, &test, nullptr};
    EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  } while (std::chrono::steady_clock::now() < until);
  return nullptr;
}

std::string caption(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return narrow(text);
}

HWND waitForCaption(DWORD process, const std::string& wanted, std::chrono::milliseconds within) {
  return waitForWindow(
      process, [&](HWND window) { return caption(window) == wanted; }, within);
}

std::vector<SeenControl> childrenOf(HWND window) {
  std::vector<SeenControl> controls;
  EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

std::vector<std::string> tabOrder(HWND window) {
  std::vector<std::string> order;
  HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
  for (HWND at = first; at;) {
    order.push_back(windowText(at));
    at = GetNextDlgTabItem(window, at, FALSE);
    if (at == first) break;
  }
  return order;
}

const SeenControl* findByText(const std::vector<SeenControl>& controls, const std::string& text) {
  for (const SeenControl& control : controls) {
    if (control.text == text) return &control;
  }
  return nullptr;
}

void pressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> strokes;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    strokes.push_back(down);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    strokes.push_back(up);
  }
  SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

bool saveScreenshot(HWND window, const std::wstring& file) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER fileHeader{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof header};
  fileHeader.bfSize = static_cast<DWORD>(fileHeader.bfOffBits + pixels.size());
  std::ofstream out(std::filesystem::path(file), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return out.good();
}

}  // namespace tallowmere::testing
