#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere::runtime {

// Positions and sizes are in dialog units; a width or height of NaturalSize lets the front
// end size the control to its content.
inline constexpr int NaturalSize = -1;

inline constexpr int FontWeightNormal = 400;

struct FontDescription {
  std::string name;
  int size = 0;  // points
  int weight = FontWeightNormal;
};

enum class ControlKind {
  CheckBox,
  FixedText,  // a "string" control: text the user cannot edit
  Button,
  ProgressBar,  // shows 0..100
};

// What a fixed text does with text too long for its place: it is never cut without a sign.
enum class TextFit {
  Clip,          // the design leaves it room enough
  PathEllipsis,  // "…" in the middle, keeping the end of a file name whole
  EndEllipsis,   // "…" at the end
};

struct ControlDescription {
  int number = 0;  // the control's number within its window, from 1
  ControlKind kind = ControlKind::FixedText;
  int x = 0;
  int y = 0;
  int width = NaturalSize;
  int height = NaturalSize;
  std::string text;
  std::string tip;  // tooltip and status-bar text
  // The variable the control shows: a check box's 1/0, a progress bar's 0..100. Owned by
  // the window procedure and must outlive the open window.
  std::uint8_t* variable = nullptr;
  TextFit fit = TextFit::Clip;  // fixed texts
  bool visible = true;          // shown when the window opens
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The controls through which a window shows how far a process has come, for a front end
// that reports progress its own way instead of drawing the window.
struct ProgressRole {
  int bar = 0;      // the progress bar
  int title = 0;    // what is being processed
  int percent = 0;  // how far it has come, in words
  friend bool operator==(const ProgressRole&, const ProgressRole&) = default;
};

// A window as designed: built into an open Window when its procedure runs.
struct WindowDescription {
  std::string caption;
  int width = 0;
  int height = 0;
  std::optional<Point> position;  // none: the front end chooses
  bool resizable = false;
  FontDescription font;
  std::vector<ControlDescription> controls;
  std::optional<ProgressRole> progress;  // none: not a progress window
};

}  // namespace tallowmere::runtime
