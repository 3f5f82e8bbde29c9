#include "platform/win32ui/DialogFont.h"

#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

namespace {

// A screen device context for measuring, with the font selected for its life.
class MeasuringContext {
 public:
  explicit MeasuringContext(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
  ~MeasuringContext() {
    SelectObject(dc_, old_);
    ReleaseDC(nullptr, dc_);
  }
  MeasuringContext(const MeasuringContext&) = delete;
  MeasuringContext& operator=(const MeasuringContext&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

constexpr wchar_t Alphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

DialogFont::DialogFont(const runtime::FontDescription& description, UINT dpi) {
  const int height = -MulDiv(description.size, static_cast<int>(dpi), 72);
  font_.reset(CreateFontW(height, 0, 0, 0, description.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, toUtf16(description.name).c_str()));
  if (!font_) font_.reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  const MeasuringContext context(font_.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(context.get(), &metrics);
  SIZE alphabet{};
  GetTextExtentPoint32W(context.get(), Alphabet, 52, &alphabet);
  baseX_ = std::max(1, static_cast<int>((alphabet.cx / 26 + 1) / 2));
  baseY_ = std::max(1, static_cast<int>(metrics.tmHeight));
}

int DialogFont::textWidth(const std::wstring& text) const {
  const MeasuringContext context(font_.get());
  SIZE size{};
  GetTextExtentPoint32W(context.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace tallowmere::platform
