#include "winview/control_paint.h"

#include <cwchar>

#include "desk/scale_steps.h"
#include "winview/dpi.h"

namespace kolvar::winview {

namespace {

// The dialog font, Tahoma, keeps the panels' captions within their
// controls. Where it is missing (wine without its own fonts), a condensed
// face of the same width does, as in the Linux window; the dialog font's
// alias is the last resort.
constexpr const wchar_t* kFaces[] = {L"Tahoma", L"DejaVu Sans Condensed"};

int CALLBACK found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM any) {
  *reinterpret_cast<bool*>(any) = true;
  return 0;
}

const wchar_t* panel_face() {
  static const wchar_t* const face = [] {
    HDC screen = GetDC(nullptr);
    const wchar_t* chosen = L"MS Shell Dlg 2";
    for (const wchar_t* name : kFaces) {
      LOGFONTW wanted{};
      wanted.lfCharSet = DEFAULT_CHARSET;
      wcsncpy(wanted.lfFaceName, name, LF_FACESIZE - 1);
      bool exists = false;
      EnumFontFamiliesExW(screen, &wanted, found, reinterpret_cast<LPARAM>(&exists), 0);
      if (exists) {
        chosen = name;
        break;
      }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
  }();
  return face;
}

HFONT panel_font(int dpi) {
  return CreateFontW(-MulDiv(desk::kPanelPoints, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, panel_face());
}

}  // namespace

COLORREF colorref(form::Color color) {
  return RGB(color.r, color.g, color.b);
}

ControlPaint::ControlPaint(int dpi) : font_(panel_font(dpi)) {}

ControlPaint::~ControlPaint() {
  if (font_) DeleteObject(font_);
  for (HFONT old : old_fonts_) DeleteObject(old);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

void ControlPaint::set_dpi(int dpi) {
  old_fonts_.push_back(font_);
  font_ = panel_font(dpi);
}

HBRUSH ControlPaint::brush(form::Color color) {
  const COLORREF key = colorref(color);
  auto it = brushes_.find(key);
  if (it == brushes_.end()) it = brushes_.emplace(key, CreateSolidBrush(key)).first;
  return it->second;
}

HBRUSH ControlPaint::colors(HDC dc, desk::Colours colours, bool enabled) {
  // A disabled control keeps the system's grey text, as the operator
  // expects of a row that takes no part.
  SetTextColor(dc, enabled ? colorref(colours.fore) : GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(dc, colorref(colours.back));
  return brush(colours.back);
}

}  // namespace kolvar::winview
