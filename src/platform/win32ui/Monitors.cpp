#include "platform/win32ui/Monitors.h"

#include <shellscalingapi.h>

#include <algorithm>
#include <memory>

namespace tallowmere::platform {

namespace {

struct ModuleFree {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

Module load(const wchar_t* name) {
  return Module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

HMODULE user32() {
  static const Module module = load(L"user32.dll");
  return module.get();
}

HMODULE shcore() {
  static const Module module = load(L"shcore.dll");
  return module.get();
}

// A function of a system DLL, or null where this Windows lacks it.
template <class Function>
Function* systemFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // GetProcAddress returns every function as one type; void (*)() converts to any other.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

UINT systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

UINT dpiOfWindow(HWND window) {
  static auto* const ofWindow = systemFunction<UINT WINAPI(HWND)>(user32(), "GetDpiForWindow");
  if (ofWindow) return ofWindow(window);
  using OfMonitor = HRESULT WINAPI(HMONITOR, MONITOR_DPI_TYPE, UINT*, UINT*);
  static auto* const ofMonitor = systemFunction<OfMonitor>(shcore(), "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  // The monitor's effective scale, the one the user chose for it.
  if (ofMonitor && ofMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI,
                             &x, &y) == S_OK) {
    return y;
  }
  return systemDpi();
}

void adjustFrame(RECT& client, DWORD style, DWORD extendedStyle, UINT dpi) {
  using ForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
  static auto* const forDpi = systemFunction<ForDpi>(user32(), "AdjustWindowRectExForDpi");
  if (forDpi) {
    forDpi(&client, style, FALSE, extendedStyle, dpi);
  } else {
    AdjustWindowRectEx(&client, style, FALSE, extendedStyle);
  }
}

int systemMetric(int index, UINT dpi) {
  static auto* const forDpi =
      systemFunction<int WINAPI(int, UINT)>(user32(), "GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

RECT primaryWorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

POINT keptOnWorkArea(const RECT& frame) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  return {std::max(work.left, std::min(frame.left, work.right - (frame.right - frame.left))),
          std::max(work.top, std::min(frame.top, work.bottom - (frame.bottom - frame.top)))};
}

}  // namespace tallowmere::platform
