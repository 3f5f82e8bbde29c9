#include "platform/terminal/FileDialog.h"

#include <curses.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "platform/terminal/CellText.h"
#include "platform/terminal/ControlLayout.h"
#include "platform/terminal/KeyCodes.h"
#include "platform/terminal/PastedPaths.h"

namespace tallowmere::platform {

namespace fs = std::filesystem;

namespace {

using Outcome = FileDialog::Outcome;

// As large as the screen allows, with a margin, but never so small that the list is of no
// use (a screen that holds the main window holds the smallest dialog) nor sprawling.
constexpr CellSize SmallestDialog{60, 16};
constexpr CellSize LargestDialog{100, 30};
constexpr CellSize ScreenMargin{2, 2};

// Rows and columns of the client area. The last rows count from the bottom.
constexpr int NameRow = 0;
constexpr int FolderRow = 1;
constexpr int FirstEntryRow = 3;  // below the list's top line
constexpr int RowsBesideTheList = 7;
constexpr int ChoiceRowFromBottom = 3;
constexpr int MessageRowFromBottom = 2;
constexpr int ButtonRowFromBottom = 1;
constexpr int LabelColumn = 2;  // a column before it for the focus mark
constexpr int FieldColumn = 10;
constexpr int SizeColumns = 15;
constexpr int OptionGap = 3;
constexpr int ButtonGap = 2;

// Two presses on one entry within this many hundredths are a double click.
constexpr runtime::Hundredths DoubleClick = 50;

constexpr const char* TxaOption = "TXA files (*.txa)";
constexpr const char* AllOption = "All files (*)";
constexpr const char* CancelLabel = "Cancel";

constexpr int Backspace = 127;
constexpr int ControlH = 8;
constexpr int ControlU = 21;

Outcome stay() {
  return {};
}

Outcome bell() {
  return {Outcome::Kind::Stay, {}, true};
}

Outcome take(std::vector<std::string> paths) {
  return {Outcome::Kind::Take, std::move(paths), false};
}

Outcome cancel() {
  return {Outcome::Kind::Cancel, {}, false};
}

std::string optionText(FileFilter option, FileFilter chosen) {
  return std::string(option == chosen ? "(\u2022) " : "( ) ") +
         (option == FileFilter::Txa ? TxaOption : AllOption);
}

// 12345678 as "12,345,678".
std::string grouped(std::uintmax_t number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

std::string padded(std::string shown, int cells) {
  return shown + std::string(std::max(cells - cellsOf(shown), 0), ' ');
}

// A folder as the dialog keeps it: whole, without "." and ".." and a trailing '/'.
fs::path normalFolder(const fs::path& folder) {
  fs::path normal = folder.lexically_normal();
  if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
  return normal;
}

bool isFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool isThere(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

// The folder a dialog starts in: the one asked for or, when it is gone, the nearest that
// is still there; the working folder when there is none.
fs::path startFolder(const std::string& asked) {
  std::error_code error;
  const fs::path working = fs::current_path(error);
  if (asked.empty()) return normalFolder(working);
  fs::path folder = normalFolder(working / asked);
  while (!isFolder(folder) && folder.has_relative_path()) folder = folder.parent_path();
  return isFolder(folder) ? folder : normalFolder(working);
}

// The start all the names share, in whole characters.
std::string commonStart(const std::vector<const FolderEntry*>& entries) {
  const std::string& first = entries.front()->name;
  std::string common = first;
  for (const FolderEntry* entry : entries) {
    const auto differ =
        std::mismatch(common.begin(), common.end(), entry->name.begin(), entry->name.end());
    common.erase(differ.first, common.end());
  }
  const auto continues = [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
  };
  while (!common.empty() && common.size() < first.size() && continues(first[common.size()])) {
    common.pop_back();
  }
  return common;
}

std::string withoutControlCharacters(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= ' ' && c != '\x7F') kept += c;
  }
  return kept;
}

}  // namespace

FileDialog::FileDialog(runtime::FileChoice choice) : choice_(std::move(choice)) {
  line_.set(choice_.name);
  go(startFolder(choice_.folder), choice_.name);
}

void FileDialog::place(CellSize screen, const CellRect& area) {
  const CellSize size{
      std::clamp(screen.columns - ScreenMargin.columns, SmallestDialog.columns,
                 LargestDialog.columns),
      std::clamp(screen.rows - ScreenMargin.rows, SmallestDialog.rows, LargestDialog.rows)};
  frame_ = {{clampedOnto(centredOver(area, size), size, screen), size}};
  select(selected_, false);
}

const FolderEntry* FileDialog::selected() const {
  return selected_ < listing_.entries.size() ? &listing_.entries[selected_] : nullptr;
}

// Keys

Outcome FileDialog::key(int key) {
  message_ = listing_.problem;
  switch (key) {
    case EscapeKey:
    case ControlC:
      return cancel();
    case '\t':
      return focus_ == Part::Name ? complete() : step(1);
    case KEY_BTAB:
      return step(-1);
    case '\r':
    case '\n':
    case KEY_ENTER:
      return enter();
    default:
      break;
  }
  switch (focus_) {
    case Part::Name:
      return nameKey(key);
    case Part::List:
      return listKey(key);
    case Part::Filter:
      return choiceKey(key);
    case Part::Accept:
    case Part::Cancel:
      break;
  }
  if (key == ' ') return enter();
  if (key == KEY_LEFT || key == KEY_UP) return step(-1);
  if (key == KEY_RIGHT || key == KEY_DOWN) return step(1);
  return stay();
}

Outcome FileDialog::enter() {
  switch (focus_) {
    case Part::List:
      return activate(selected_);
    case Part::Cancel:
      return cancel();
    case Part::Name:
    case Part::Filter:
    case Part::Accept:
      break;
  }
  return accept();
}

Outcome FileDialog::nameKey(int key) {
  switch (key) {
    case KEY_BACKSPACE:
    case Backspace:
    case ControlH:
      line_.erasePrevious();
      break;
    case KEY_DC:
      line_.eraseNext();
      break;
    case KEY_LEFT:
      line_.left();
      break;
    case KEY_RIGHT:
      line_.right();
      break;
    case KEY_HOME:
      line_.home();
      break;
    case KEY_END:
      line_.end();
      break;
    case ControlU:
      line_.set({});
      break;
    case KEY_DOWN:
      focus_ = Part::List;
      break;
    case ' ':
      line_.insert(" ");
      break;
    default:
      break;
  }
  return stay();
}

Outcome FileDialog::listKey(int key) {
  const long page = std::max(listRows() - 1, 1);
  switch (key) {
    case ' ':
      return toggleMark();
    case KEY_BACKSPACE:
    case Backspace:
    case ControlH:
      goUp();
      return stay();
    case KEY_UP:
      moveSelection(-1);
      break;
    case KEY_DOWN:
      moveSelection(1);
      break;
    case KEY_PPAGE:
      moveSelection(-page);
      break;
    case KEY_NPAGE:
      moveSelection(page);
      break;
    case KEY_HOME:
      moveSelection(-static_cast<long>(listing_.entries.size()));
      break;
    case KEY_END:
      moveSelection(static_cast<long>(listing_.entries.size()));
      break;
    default:
      break;
  }
  return stay();
}

Outcome FileDialog::choiceKey(int key) {
  switch (key) {
    case ' ':
    case KEY_LEFT:
    case KEY_RIGHT:
      setFilter(filter_ == FileFilter::Txa ? FileFilter::All : FileFilter::Txa);
      return stay();
    case KEY_UP:
      return step(-1);
    case KEY_DOWN:
      return step(1);
    default:
      return stay();
  }
}

Outcome FileDialog::step(int direction) {
  constexpr Part order[] = {Part::Name, Part::List, Part::Filter, Part::Accept, Part::Cancel};
  constexpr int count = std::size(order);
  const int at = static_cast<int>(std::find(order, order + count, focus_) - order);
  focus_ = order[((at + direction) % count + count) % count];
  return stay();
}

Outcome FileDialog::type(std::string_view characters) {
  message_ = listing_.problem;
  focus_ = Part::Name;
  line_.insert(characters);
  return stay();
}

void FileDialog::paste(std::string_view text) {
  message_ = listing_.problem;
  focus_ = Part::Name;
  const std::vector<std::string> paths = pastedPaths(text);
  if (paths.size() == 1) {
    line_.set(paths.front());
  } else {
    line_.insert(withoutControlCharacters(text));
  }
}

// What the dialog does

Outcome FileDialog::complete() {
  const std::string text = line_.text();
  if (text.empty()) return step(1);
  std::string name = text;
  const std::size_t slash = text.rfind('/');
  if (slash != std::string::npos) {
    const fs::path typedFolder = resolved(text.substr(0, slash + 1));
    if (!isFolder(typedFolder)) {
      message_ = "No such folder: " + text.substr(0, slash + 1);
      return bell();
    }
    if (normalFolder(typedFolder) != folder_) go(typedFolder);
    name = text.substr(slash + 1);
    line_.set(name);
    if (name.empty()) return stay();
  }
  const bool hidden = name.starts_with('.');
  const FolderListing candidates = hidden ? listFolder(folder_, filter_, true) : listing_;
  std::vector<const FolderEntry*> matches;
  for (const FolderEntry& entry : candidates.entries) {
    if (entry.name != ".." && entry.name.starts_with(name)) matches.push_back(&entry);
  }
  const bool moved = slash != std::string::npos;
  if (matches.empty()) return moved ? stay() : step(1);
  const std::string completed = matches.size() == 1
                                    ? matches.front()->name + (matches.front()->folder ? "/" : "")
                                    : commonStart(matches);
  if (completed.size() > name.size()) {
    line_.set(completed);
    return stay();
  }
  if (matches.size() == 1) return moved ? stay() : step(1);
  const auto first =
      std::find_if(listing_.entries.begin(), listing_.entries.end(),
                   [&](const FolderEntry& entry) { return entry.name == matches.front()->name; });
  if (first != listing_.entries.end()) select(first - listing_.entries.begin(), false);
  return bell();
}

Outcome FileDialog::accept() {
  if (!marked_.empty()) return take(markedPaths());
  if (!line_.text().empty()) return submit(line_.text());
  if (selected()) return activate(selected_);
  return bell();
}

Outcome FileDialog::submit(const std::string& typed) {
  fs::path path = resolved(typed);
  // A path as a terminal types a dropped file: quoted, escaped or as a URI.
  if (!isThere(path)) {
    const std::vector<std::string> pasted = pastedPaths(typed);
    if (pasted.size() == 1 && isThere(resolved(pasted.front()))) path = resolved(pasted.front());
  }
  if (isFolder(path)) {
    go(path);
    line_.set(choice_.purpose == runtime::FileChoice::Purpose::Save ? choice_.name : "");
    return stay();
  }
  if (typed.ends_with('/')) {
    message_ = "No such folder: " + typed;
    return bell();
  }
  if (choice_.purpose == runtime::FileChoice::Purpose::Open) {
    if (!isThere(path)) {
      message_ = "No such file: " + typed;
      return bell();
    }
  } else if (!isFolder(path.parent_path())) {
    message_ = "No such folder: " + path.parent_path().string();
    return bell();
  }
  return take({path.string()});
}

Outcome FileDialog::activate(std::size_t entry) {
  if (entry >= listing_.entries.size()) return bell();
  const FolderEntry& chosen = listing_.entries[entry];
  if (!chosen.folder) return marked_.empty() ? submit(chosen.name) : take(markedPaths());
  if (chosen.name == "..") {
    goUp();
  } else {
    go(folder_ / chosen.name);
  }
  // Saving, the name typed goes along into the other folder.
  if (choice_.purpose == runtime::FileChoice::Purpose::Open) line_.set({});
  return stay();
}

Outcome FileDialog::toggleMark() {
  const FolderEntry* entry = selected();
  const bool marking = choice_.several && choice_.purpose == runtime::FileChoice::Purpose::Open;
  if (!entry || entry->folder || !marking) return activate(selected_);
  if (!marked_.erase(entry->name)) marked_.insert(entry->name);
  moveSelection(1);
  return stay();
}

Outcome FileDialog::press(CellPoint at, runtime::Hundredths now) {
  message_ = listing_.problem;
  if (frame_.closeBox().contains(at)) return cancel();
  const CellPoint point = frame_.inClient(at);
  if (point.row == NameRow && point.column >= 0) {
    focus_ = Part::Name;
    return stay();
  }
  const CellRect list = listArea();
  if (list.contains(point)) {
    const std::size_t entry = top_ + static_cast<std::size_t>(point.row - list.origin.row);
    focus_ = Part::List;
    return entry < listing_.entries.size() ? pressList(entry, now) : stay();
  }
  for (FileFilter option : {FileFilter::Txa, FileFilter::All}) {
    if (optionArea(option).contains(point)) {
      focus_ = Part::Filter;
      setFilter(option);
      return stay();
    }
  }
  if (buttonArea(Part::Accept).contains(point)) {
    focus_ = Part::Accept;
    return accept();
  }
  if (buttonArea(Part::Cancel).contains(point)) return cancel();
  return stay();
}

Outcome FileDialog::pressList(std::size_t entry, runtime::Hundredths now) {
  const bool twice =
      lastPress_ && lastPress_->entry == entry && now - lastPress_->at <= DoubleClick;
  select(entry, true);
  if (twice) {
    lastPress_.reset();
    return activate(entry);
  }
  lastPress_ = Press{entry, now};
  return stay();
}

// The folder and the list

void FileDialog::go(const fs::path& folder, const std::string& selecting) {
  folder_ = normalFolder(folder);
  marked_.clear();
  lastPress_.reset();
  relist(selecting);
}

void FileDialog::goUp() {
  if (folder_.has_relative_path()) go(folder_.parent_path(), folder_.filename().string());
}

void FileDialog::relist(const std::string& selecting) {
  listing_ = listFolder(folder_, filter_);
  message_ = listing_.problem;
  const auto& entries = listing_.entries;
  auto chosen = std::find_if(entries.begin(), entries.end(),
                             [&](const FolderEntry& entry) { return entry.name == selecting; });
  if (chosen == entries.end()) {
    chosen = std::find_if(entries.begin(), entries.end(),
                          [](const FolderEntry& entry) { return !entry.folder; });
  }
  top_ = 0;
  select(chosen == entries.end() ? 0 : chosen - entries.begin(), false);
}

void FileDialog::select(std::size_t entry, bool naming) {
  const std::size_t count = listing_.entries.size();
  selected_ = count == 0 ? 0 : std::min(entry, count - 1);
  const std::size_t rows = static_cast<std::size_t>(std::max(listRows(), 1));
  if (selected_ < top_) top_ = selected_;
  if (selected_ >= top_ + rows) top_ = selected_ - rows + 1;
  if (count > 0 && top_ + rows > count) top_ = count > rows ? count - rows : 0;
  const FolderEntry* now = selected();
  if (naming && now && !now->folder) line_.set(now->name);
}

void FileDialog::moveSelection(long by) {
  const long last = static_cast<long>(listing_.entries.size()) - 1;
  select(static_cast<std::size_t>(
             std::clamp(static_cast<long>(selected_) + by, 0L, std::max(last, 0L))),
         true);
}

void FileDialog::setFilter(FileFilter filter) {
  if (filter == filter_) return;
  filter_ = filter;
  marked_.clear();
  const FolderEntry* now = selected();
  relist(now ? now->name : std::string());
}

fs::path FileDialog::resolved(const std::string& typed) const {
  std::string text = typed;
  const char* home = std::getenv("HOME");
  if ((text == "~" || text.starts_with("~/")) && home != nullptr && *home != '\0') {
    text = home + text.substr(1);
  }
  const fs::path path(text);
  return (path.is_absolute() ? path : folder_ / path).lexically_normal();
}

std::vector<std::string> FileDialog::markedPaths() const {
  std::vector<std::string> paths;
  for (const FolderEntry& entry : listing_.entries) {
    if (marked_.contains(entry.name)) paths.push_back(pathOf(entry));
  }
  return paths;
}

std::string FileDialog::pathOf(const FolderEntry& entry) const {
  return (folder_ / entry.name).string();
}

// Layout

int FileDialog::listRows() const {
  return frame_.clientSize().rows - RowsBesideTheList;
}

CellRect FileDialog::fieldArea() const {
  return {{FieldColumn, NameRow}, {frame_.clientSize().columns - FieldColumn - LabelColumn, 1}};
}

CellRect FileDialog::listArea() const {
  return {{LabelColumn, FirstEntryRow},
          {frame_.clientSize().columns - 2 * LabelColumn, std::max(listRows(), 0)}};
}

CellRect FileDialog::optionArea(FileFilter option) const {
  const int row = frame_.clientSize().rows - ChoiceRowFromBottom;
  const int txaCells = cellsOf(shownText(optionText(FileFilter::Txa, filter_)));
  if (option == FileFilter::Txa) return {{FieldColumn, row}, {txaCells, 1}};
  return {{FieldColumn + txaCells + OptionGap, row},
          {cellsOf(shownText(optionText(FileFilter::All, filter_))), 1}};
}

std::string FileDialog::acceptLabel() const {
  return choice_.purpose == runtime::FileChoice::Purpose::Save ? "Save" : "Open";
}

CellRect FileDialog::buttonArea(Part button) const {
  const CellSize client = frame_.clientSize();
  const int row = client.rows - ButtonRowFromBottom;
  const int cancelCells = cellsOf(buttonFace(CancelLabel));
  const int cancelColumn = client.columns - LabelColumn - cancelCells;
  if (button == Part::Cancel) return {{cancelColumn, row}, {cancelCells, 1}};
  const int acceptCells = cellsOf(buttonFace(acceptLabel()));
  return {{cancelColumn - ButtonGap - acceptCells, row}, {acceptCells, 1}};
}

// Painting

void FileDialog::paint(ScreenPainter& painter, bool active) const {
  painter.frame(frame_, choice_.title, active);
  const CellPoint client = frame_.clientOrigin();
  paintLine(painter, client, active);
  paintList(painter, client, active);
  paintChoice(painter, client, active);
  paintButtons(painter, client, active);
  const CellSize size = frame_.clientSize();
  painter.text({client.column + LabelColumn, client.row + size.rows - MessageRowFromBottom},
               fitEnd(shownText(message_), size.columns - 2 * LabelColumn));
}

void FileDialog::paintLine(ScreenPainter& painter, CellPoint client, bool active) const {
  const bool focused = active && focus_ == Part::Name;
  painter.controlLabel({client.column + LabelColumn, client.row + NameRow}, "Name:", focused);
  const CellRect field = fieldArea();
  const CellPoint at{client.column + field.origin.column, client.row + field.origin.row};
  const LineEditor::View view = line_.view(field.size.columns);
  painter.text(at, std::string(field.size.columns, ' '), Ink::Field);
  painter.text(at, view.before, Ink::Field);
  const int cursorColumn = at.column + cellsOf(view.before);
  painter.text({cursorColumn, at.row}, view.cursor, focused ? Ink::Highlight : Ink::Field);
  painter.text({cursorColumn + cellsOf(view.cursor), at.row}, view.after, Ink::Field);

  painter.text({client.column + LabelColumn, client.row + FolderRow}, "Folder:");
  painter.text({at.column, client.row + FolderRow},
               fitPath(shownText(folder_.string()), field.size.columns));
}

std::string FileDialog::entryText(const FolderEntry& entry, bool marker, int cells) const {
  const std::string size = entry.size ? grouped(*entry.size) : std::string();
  const int sizeCells = std::min(SizeColumns, cells / 3);
  const int nameCells = cells - 4 - sizeCells;  // the marks before the name, a blank at the end
  const std::string suffix = entry.folder ? "/" : "";
  const std::string name = fitPath(shownText(entry.name), nameCells - cellsOf(suffix)) + suffix;
  return std::string(marker ? ">" : " ") + (marked_.contains(entry.name) ? "+" : " ") + " " +
         padded(name, nameCells) + std::string(std::max(sizeCells - cellsOf(size), 0), ' ') +
         headWithin(size, sizeCells) + " ";
}

void FileDialog::paintList(ScreenPainter& painter, CellPoint client, bool active) const {
  const bool focused = active && focus_ == Part::List;
  const CellRect list = listArea();
  const CellRect box{{client.column + list.origin.column - 1, client.row + list.origin.row - 1},
                     {list.size.columns + 2, list.size.rows + 2}};
  painter.box(box, active);
  const std::size_t count = listing_.entries.size();
  for (int row = 0; row < list.size.rows && top_ + row < count; ++row) {
    const std::size_t entry = top_ + row;
    const bool chosen = entry == selected_;
    painter.text({box.origin.column + 1, box.origin.row + 1 + row},
                 entryText(listing_.entries[entry], chosen && !focused, list.size.columns),
                 chosen && focused ? Ink::Highlight : Ink::Normal);
  }
  if (count > static_cast<std::size_t>(list.size.rows)) {
    const std::string where =
        " " + std::to_string(selected_ + 1) + " of " + std::to_string(count) + " ";
    painter.text({box.right() - 2 - cellsOf(where), box.bottom() - 1}, where);
  }
}

void FileDialog::paintChoice(ScreenPainter& painter, CellPoint client, bool active) const {
  const CellRect txa = optionArea(FileFilter::Txa);
  painter.controlLabel({client.column + LabelColumn, client.row + txa.origin.row},
                       "Show:", active && focus_ == Part::Filter);
  for (FileFilter option : {FileFilter::Txa, FileFilter::All}) {
    const CellRect area = optionArea(option);
    painter.text({client.column + area.origin.column, client.row + area.origin.row},
                 shownText(optionText(option, filter_)));
  }
}

void FileDialog::paintButtons(ScreenPainter& painter, CellPoint client, bool active) const {
  for (Part button : {Part::Accept, Part::Cancel}) {
    const CellRect area = buttonArea(button);
    painter.controlLabel({client.column + area.origin.column, client.row + area.origin.row},
                         buttonFace(button == Part::Cancel ? CancelLabel : acceptLabel()),
                         active && focus_ == button);
  }
}

}  // namespace tallowmere::platform
