// The settings file over arbitrary text: the document editor keeps every line it is not
// asked to change and reads back what it wrote, and the settings object reads a window
// placement and its bookkeeping list from it and writes them back without loss or growth.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/settings/INIClass.h"
#include "platform/common/SettingsText.h"
#include "runtime/core/PlatformServices.h"
#include "support/Broken.h"
#include "support/InputFields.h"
#include "support/MemoryProfile.h"

namespace {

using tallowmere::framework::INIClass;
using tallowmere::framework::SectorRecord;
using tallowmere::framework::WindowInfo;
using tallowmere::platform::SettingsText;

constexpr std::string_view SettingsFile = "Tallowmere.INI";
constexpr std::string_view Procedure = "Main";

constexpr tallowmere::fuzzing::Broken broken{"settings file"};

// Blanks around names and values do not count.
std::string_view trimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A section or key name the program could use: none of the characters that make a line a
// header, a comment or an entry, no line break, no blanks around it.
std::string usableName(std::string_view raw, std::string_view fallback) {
  std::string name;
  for (const char c : raw) {
    if (std::string_view("\r\n[]=;").find(c) == std::string_view::npos) name += c;
  }
  name = std::string(trimBlanks(name));
  return name.empty() ? std::string(fallback) : name;
}

// A value fits on its line.
std::string usableValue(std::string_view raw) {
  std::string value;
  for (const char c : raw) {
    if (c != '\n') value += c;
  }
  return std::string(trimBlanks(value));
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    if (end == std::string::npos) broken("text() left a line without CR LF");
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

// The edit from before to after replaced at most removed lines in one place by at most
// added lines; every other line is where it was.
bool editedInOnePlace(const std::string& before, const std::string& after, std::size_t removed,
                      std::size_t added) {
  const std::vector<std::string> a = linesOf(before);
  const std::vector<std::string> b = linesOf(after);
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
    ++suffix;
  return a.size() - prefix - suffix <= removed && b.size() - prefix - suffix <= added;
}

// After holds the lines of before in their order, less some that were taken out.
bool onlyLinesTaken(const std::string& before, const std::string& after) {
  const std::vector<std::string> a = linesOf(before);
  const std::vector<std::string> b = linesOf(after);
  std::size_t next = 0;
  for (const std::string& line : a) {
    if (next < b.size() && b[next] == line) ++next;
  }
  return next == b.size() && b.size() < a.size();
}

void checkDocument(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) {
  SettingsText document(file);
  const std::string parsed = document.text();
  if (SettingsText(parsed).text() != parsed) broken("reading written text changes it");

  const std::string neighbour = key.size() < 200 ? std::string(key) + "2" : std::string("Other");
  const std::optional<std::string> neighbourBefore = document.get(section, neighbour);

  // A new entry may bring a blank line and its section's header with it.
  document.set(section, key, value);
  const std::string written = document.text();
  if (!editedInOnePlace(parsed, written, 1, 3)) broken("set() changed other lines");
  if (document.get(section, key) != std::string(value)) broken("get() misses what set() wrote");
  if (document.get(section, neighbour) != neighbourBefore) broken("set() changed another key");

  document.remove(section, key);
  if (document.get(section, key)) broken("remove() left a copy of the key behind");
  if (!onlyLinesTaken(written, document.text())) broken("remove() changed other lines");
  if (document.get(section, neighbour) != neighbourBefore) broken("remove() changed another key");
}

struct Settings {
  std::vector<SectorRecord> sectors;
  WindowInfo placement;
};

// One start and end of the program as far as its settings go: the placement and the
// bookkeeping list are read at start and written back at the end.
Settings startAndEnd() {
  INIClass ini;
  ini.Init(SettingsFile);
  Settings read{*ini.GetSectors(), ini.FetchWindowInfo(Procedure)};
  ini.UpdateWindowInfo(Procedure, read.placement);
  ini.Kill();
  return read;
}

// A number that was not stored is removed on the way back, every copy of it in a
// hand-edited file, so only the numbers that were read have a value to come back with.
bool keptPlacement(const WindowInfo& read, const WindowInfo& again) {
  const auto kept = [](std::int32_t a, std::int32_t b) {
    return a == WindowInfo::NoValue || a == b;
  };
  return kept(read.X, again.X) && kept(read.Y, again.Y) && kept(read.Width, again.Width) &&
         kept(read.Height, again.Height) && read.Maximized == again.Maximized;
}

// The last part of a record comes back without the blanks it had before a fourth part of
// a hand-edited entry: the program writes three parts, and blanks at a value's end do not
// count.
bool sameSectors(const std::vector<SectorRecord>& read, const std::vector<SectorRecord>& again) {
  if (read.size() != again.size()) return false;
  for (std::size_t i = 0; i < read.size(); ++i) {
    if (read[i].Family != again[i].Family || read[i].Item != again[i].Item ||
        trimBlanks(read[i].Type) != trimBlanks(again[i].Type))
      return false;
  }
  return true;
}

void checkSettingsObject(std::string_view file) {
  static tallowmere::fuzzing::MemoryProfile profile;
  tallowmere::runtime::installPlatformServices({.settings = &profile});
  profile.load(SettingsFile, file);

  const Settings first = startAndEnd();
  const std::string afterFirst = profile.text(SettingsFile);
  const Settings second = startAndEnd();
  if (!sameSectors(first.sectors, second.sectors)) broken("the sector list changed on its way");
  if (first.placement.Found && !keptPlacement(first.placement, second.placement))
    broken("the window placement changed on its way");
  if (!second.placement.Found) broken("a written placement is not found");
  // The first run may tidy a hand-edited file (removed entries go with all their copies),
  // but nothing the program writes may pile up on the runs after it.
  if (profile.text(SettingsFile).size() > afterFirst.size()) broken("the file grows on every run");
}

}  // namespace

// The input: section, key and value for the edit, then the file's text, cut at NUL bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = tallowmere::fuzzing::splitFields(data, size, 4);
  checkDocument(fields[3], usableName(fields[0], Procedure), usableName(fields[1], "XPos"),
                usableValue(fields[2]));
  checkSettingsObject(fields[3]);
  return 0;
}
