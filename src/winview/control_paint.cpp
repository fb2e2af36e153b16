#include "winview/control_paint.h"

#include "winview/dpi.h"

namespace kolvar::winview {

namespace {

// The panels were drawn for a small, narrow system font; the dialog font of
// 8 points (Tahoma or its like) keeps their captions within their controls.
constexpr int kPanelPoints = 8;

HFONT panel_font(int dpi) {
  return CreateFontW(-MulDiv(kPanelPoints, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
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

HBRUSH ControlPaint::colors(HDC dc, const form::Control& control, bool enabled) {
  // A disabled control keeps the system's grey text, as the operator
  // expects of a row that takes no part.
  SetTextColor(dc, enabled ? colorref(control.fore_color()) : GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(dc, colorref(control.back_color()));
  return brush(control.back_color());
}

}  // namespace kolvar::winview
