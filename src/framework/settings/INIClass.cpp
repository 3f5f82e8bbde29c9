#include "framework/settings/INIClass.h"

#include <algorithm>
#include <charconv>

#include "framework/core/Assert.h"
#include "runtime/settings/PrivateProfile.h"
#include "runtime/ui/Window.h"

namespace tallowmere::framework {

namespace {

constexpr std::size_t FileNameLimit = 259;
// A hand-edited count can claim any number of records; past this many the list is not
// bookkeeping this program could have written, and reading it would only stall start-up.
constexpr std::int32_t MostSectors = 1000;

std::string limited(std::string text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

std::string_view part(std::string_view text, int n) {
  for (int i = 1; i < n; ++i) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return {};
    text.remove_prefix(comma + 1);
  }
  return text.substr(0, text.find(','));
}

std::string numberedEntry(std::string_view entry, std::int32_t i) {
  return std::string(entry).append("_").append(std::to_string(i));
}

}  // namespace

INIClass::~INIClass() = default;

void INIClass::Init(std::string_view fileName, std::int32_t nvType, std::int32_t extraData) {
  FileName = limited(std::string(fileName), FileNameLimit);
  NVType = nvType;
  ExtraData = extraData;
  Sectors.emplace();
  Fetch();
  FetchQueue(SectorSection, SectorEntry, *Sectors);
}

void INIClass::Kill() {
  if (!Sectors) return;
  UpdateQueue(SectorSection, SectorEntry, *Sectors);
  Sectors.reset();
}

std::string INIClass::Fetch(std::string_view section, std::string_view entry,
                            std::string_view defaultValue, std::string_view fileName) {
  std::lock_guard lock(CritSect);
  frameworkAssert(NVType == PrivateProfileFile, "NV_Table: Not Supported Yet");
  return limited(runtime::privateProfile().read(fileName, section, entry, defaultValue),
                 ValueLimit);
}

void INIClass::Update(std::string_view section, std::string_view entry, std::string_view value,
                      std::string_view fileName) {
  std::lock_guard lock(CritSect);
  frameworkAssert(NVType == PrivateProfileFile, "NV_Table: Not Supported Yet");
  runtime::privateProfile().write(fileName, section, entry, value);
}

std::string INIClass::TryFetch(std::string_view section, std::string_view entry) {
  return Fetch(section, entry, {}, FileName);
}

std::string INIClass::FetchField(std::string_view section, std::string_view entry, int n) {
  return std::string(part(TryFetch(section, entry), n));
}

void INIClass::Update(std::string_view section, std::string_view entry, std::string_view value) {
  Update(section, entry, value, FileName);
}

void INIClass::Remove(std::string_view section, std::string_view entry) {
  std::lock_guard lock(CritSect);
  frameworkAssert(NVType == PrivateProfileFile, "NV_Table: Not Supported Yet");
  runtime::privateProfile().remove(FileName, section, entry);
}

std::int32_t INIClass::fetchNumber(std::string_view section, std::string_view entry) {
  const std::string text = TryFetch(section, entry);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return WindowInfo::NoValue;
  }
  return value;
}

void INIClass::updateNumber(std::string_view section, std::string_view entry,
                            std::int32_t value) {
  if (value == WindowInfo::NoValue) {
    Remove(section, entry);
  } else {
    Update(section, entry, std::to_string(value));
  }
}

void INIClass::FetchQueue(std::string_view section, std::string_view entry,
                          std::vector<SectorRecord>& queue) {
  const std::int32_t stored = fetchNumber(section, entry);
  const std::int32_t count = stored == WindowInfo::NoValue ? 0 : std::clamp(stored, 0, MostSectors);
  for (std::int32_t i = 1; i <= count; ++i) {
    // Missing entries and parts read as empty: a hand-edited file is no programming error.
    const std::string value = TryFetch(section, numberedEntry(entry, i));
    queue.push_back({std::string(part(value, 1)), std::string(part(value, 2)),
                     std::string(part(value, 3))});
  }
}

void INIClass::UpdateQueue(std::string_view section, std::string_view entry,
                           const std::vector<SectorRecord>& queue) {
  Update(section, entry, std::to_string(queue.size()));
  std::int32_t i = 0;
  for (const SectorRecord& record : queue) {
    const std::string value = record.Family + "," + record.Item + "," + record.Type;
    Update(section, numberedEntry(entry, ++i), limited(value, QueueValueLimit));
  }
}

WindowInfo INIClass::FetchWindowInfo(std::string_view procedureName) {
  WindowInfo info;
  const std::string maximize = TryFetch(procedureName, "Maximize");
  if (maximize != "Yes" && maximize != "No") return info;
  info.Maximized = maximize == "Yes";
  info.Minimized = false;
  info.X = fetchNumber(procedureName, "XPos");
  info.Y = fetchNumber(procedureName, "YPos");
  info.Width = fetchNumber(procedureName, "Width");
  info.Height = fetchNumber(procedureName, "Height");
  info.Found = true;
  return info;
}

void INIClass::UpdateWindowInfo(std::string_view procedureName, const WindowInfo& info) {
  Update(procedureName, "Maximize", info.Maximized ? "Yes" : "No");
  Update(procedureName, "Minimize", info.Minimized ? "Yes" : "No");
  updateNumber(procedureName, "XPos", info.X);
  updateNumber(procedureName, "YPos", info.Y);
  updateNumber(procedureName, "Width", info.Width);
  updateNumber(procedureName, "Height", info.Height);
}

void INIClass::Fetch(std::string_view procedureName, runtime::Window& window) {
  const WindowInfo info = FetchWindowInfo(procedureName);
  if (!info.Found) return;
  if (!info.Maximized && window.maximized()) window.setMaximized(false);
  // A placement without a position (the window was closed maximized) keeps the designed
  // position rather than moving the window to the "no value" marker.
  if (info.X != WindowInfo::NoValue || info.Y != WindowInfo::NoValue) {
    const runtime::Point current = window.position();
    window.moveTo({info.X != WindowInfo::NoValue ? info.X : current.x,
                   info.Y != WindowInfo::NoValue ? info.Y : current.y});
  }
  if (window.resizable()) {
    window.resize(info.Width != WindowInfo::NoValue ? info.Width : window.width(),
                  info.Height != WindowInfo::NoValue ? info.Height : window.height());
  }
  if (info.Maximized && !window.maximized()) window.setMaximized(true);
  window.setMinimized(false);
}

void INIClass::Update(std::string_view procedureName, const runtime::Window& window) {
  WindowInfo info;
  info.Maximized = window.maximized();
  info.Minimized = window.minimized();
  if (!info.Maximized && !info.Minimized) {
    info.X = window.position().x;
    info.Y = window.position().y;
    if (window.resizable()) {
      info.Width = window.width();
      info.Height = window.height();
    }
  }
  UpdateWindowInfo(procedureName, info);
}

}  // namespace tallowmere::framework
