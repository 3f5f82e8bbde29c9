#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/ui/WindowDescription.h"

namespace tallowmere::platform {

// A window's font and the dialog units it defines: a horizontal unit is a quarter of the
// font's average character width, a vertical one an eighth of its height, as Windows
// measures them for a dialog in that font, at a monitor's scale in dots per inch.
class DialogFont {
 public:
  DialogFont(const runtime::FontDescription& description, UINT dpi);

  HFONT handle() const { return font_.get(); }
  int xToPixels(int units) const { return MulDiv(units, baseX_, 4); }
  int yToPixels(int units) const { return MulDiv(units, baseY_, 8); }
  int xToUnits(int pixels) const { return MulDiv(pixels, 4, baseX_); }
  int yToUnits(int pixels) const { return MulDiv(pixels, 8, baseY_); }
  // The width of text drawn in the font, in pixels.
  int textWidth(const std::wstring& text) const;

 private:
  struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
  };
  std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
  int baseX_ = 1;
  int baseY_ = 1;
};

}  // namespace tallowmere::platform
