#pragma once
// The model's fonts and colours on Win32 controls: one font for the panels
// at the window's DPI, and one brush per colour in use, kept while the view
// lives (WM_CTLCOLOR* answers with a brush that must outlive the paint).
#include <map>
#include <vector>

#include "desk/role_look.h"
#include "form/control.h"
#include "winview/win32.h"

namespace kolvar::winview {

COLORREF colorref(form::Color color);

class ControlPaint {
 public:
  explicit ControlPaint(int dpi);
  ~ControlPaint();
  ControlPaint(const ControlPaint&) = delete;
  ControlPaint& operator=(const ControlPaint&) = delete;

  // The panels' font at dpi (made anew when the DPI changes).
  HFONT font() const { return font_; }
  void set_dpi(int dpi);

  HBRUSH brush(form::Color color);
  // Answers WM_CTLCOLORSTATIC/EDIT/BTN for a control drawn in `colours`:
  // the fore colour (grey while disabled) on the back colour.
  HBRUSH colors(HDC dc, desk::Colours colours, bool enabled);

 private:
  HFONT font_ = nullptr;
  std::map<COLORREF, HBRUSH> brushes_;
  // Fonts of earlier DPIs: a control may still hold one until it is given
  // the new font, so they go with the view.
  std::vector<HFONT> old_fonts_;
};

}  // namespace kolvar::winview
