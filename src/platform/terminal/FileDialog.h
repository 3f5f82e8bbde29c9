#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/terminal/FolderListing.h"
#include "platform/terminal/LineEditor.h"
#include "platform/terminal/Overlay.h"
#include "runtime/ui/Clock.h"
#include "runtime/ui/FileChoice.h"

namespace tallowmere::platform {

// The terminal's file dialog: a line to type a name or a path in, the folder it lists, its
// subfolders and files (TXA files, or all files), which files to show, and the buttons
// Open (or Save) and Cancel. What the user does comes in as keys, typed characters, pasted
// text and clicks, and each says whether the dialog goes on, takes paths or is cancelled:
//   Tab, Shift-Tab   the focus round the line, the list, the choice of files and the
//                    buttons; in the line, Tab completes the name or path typed (the list
//                    goes to the folder typed, a name is completed as far as it is the same
//                    for every match; when it cannot be, the bell rings and the list shows
//                    the first match) and moves on only when there is nothing to complete
//   Enter            the line's path: a folder is opened, a file taken (Open: it must
//                    exist; Save: its folder must); in the list, the entry under the
//                    selection; on Cancel, cancels
//   arrows, PgUp, PgDn, Home, End   move the selection; a file selected names itself in
//                    the line. Backspace in the list goes up a folder
//   Space            in the list, opening several, marks a file (and Enter then takes the
//                    marked ones), else acts as Enter; on the choice of files switches it;
//                    on a button presses it
//   Esc, Ctrl-C, the close box   cancel
//   a click          selects an entry (twice in quick succession: takes it), focuses the
//                    line, chooses the files shown or presses a button
// A folder that cannot be read, a path that leads nowhere: the dialog says why in its
// message line and goes on. Paths taken are whole (from the root). Replacing a file is
// confirmed by whoever shows the dialog.
class FileDialog final : public Overlay {
 public:
  struct Outcome {
    enum class Kind { Stay, Take, Cancel };
    Kind kind = Kind::Stay;
    std::vector<std::string> paths;  // Take
    bool bell = false;               // the input had nothing to act on
  };

  explicit FileDialog(runtime::FileChoice choice);

  // Lays the dialog out for the screen, as large as it allows up to a limit, centred over
  // area.
  void place(CellSize screen, const CellRect& area);
  const WindowFrame& frame() const override { return frame_; }
  void paint(ScreenPainter& painter, bool active) const override;

  // A key as curses reports it; printable characters come through type instead.
  Outcome key(int key);
  Outcome type(std::string_view characters);
  // Pasted text goes into the line: the path it names when it names one, else the text.
  void paste(std::string_view text);
  // The left button pressed at a screen point, at a time in hundredths.
  Outcome press(CellPoint at, runtime::Hundredths now);

  const runtime::FileChoice& choice() const { return choice_; }
  const std::filesystem::path& folder() const { return folder_; }
  const std::string& typed() const { return line_.text(); }
  const std::vector<FolderEntry>& entries() const { return listing_.entries; }
  const FolderEntry* selected() const;
  const std::string& message() const { return message_; }

 private:
  enum class Part { Name, List, Filter, Accept, Cancel };
  struct Press {
    std::size_t entry;
    runtime::Hundredths at;
  };

  // Enter where the focus is: the list's entry, Cancel, or else what the line names.
  Outcome enter();
  Outcome nameKey(int key);
  Outcome listKey(int key);
  Outcome choiceKey(int key);
  Outcome step(int direction);
  Outcome complete();
  Outcome accept();
  Outcome submit(const std::string& typed);
  Outcome activate(std::size_t entry);
  Outcome pressList(std::size_t entry, runtime::Hundredths now);
  Outcome toggleMark();

  void go(const std::filesystem::path& folder, const std::string& selecting = {});
  // Up to the folder above, with the one left selected in it.
  void goUp();
  void relist(const std::string& selecting);
  void select(std::size_t entry, bool naming);
  void moveSelection(long by);
  void setFilter(FileFilter filter);
  std::filesystem::path resolved(const std::string& typed) const;
  std::vector<std::string> markedPaths() const;
  std::string pathOf(const FolderEntry& entry) const;

  // The parts of the client area, relative to its corner.
  int listRows() const;
  CellRect fieldArea() const;
  CellRect listArea() const;
  CellRect optionArea(FileFilter filter) const;
  CellRect buttonArea(Part button) const;
  std::string acceptLabel() const;

  void paintLine(ScreenPainter& painter, CellPoint client, bool active) const;
  void paintList(ScreenPainter& painter, CellPoint client, bool active) const;
  void paintChoice(ScreenPainter& painter, CellPoint client, bool active) const;
  void paintButtons(ScreenPainter& painter, CellPoint client, bool active) const;
  std::string entryText(const FolderEntry& entry, bool selected, int cells) const;

  runtime::FileChoice choice_;
  std::filesystem::path folder_;
  FileFilter filter_ = FileFilter::Txa;
  FolderListing listing_;
  std::size_t selected_ = 0;
  std::size_t top_ = 0;
  std::set<std::string> marked_;
  LineEditor line_;
  Part focus_ = Part::Name;
  std::string message_;
  std::optional<Press> lastPress_;
  WindowFrame frame_;
};

}  // namespace tallowmere::platform
