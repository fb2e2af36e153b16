#pragma once
// The window's controls as Win32 controls, made from the form's own list of
// controls: a control added to the model appears here. The view holds no
// behaviour: operator input goes through the controller's entry points, the
// same ones the scenario runner uses, and the model's changes come back
// through the form's observer, one control at a time.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "form/controller.h"
#include "winview/control_paint.h"
#include "winview/win32.h"
#include "winview/window_menu.h"

namespace kolvar::winview {

class FormWindow {
 public:
  // Runs one piece of operator input; the owner adds what follows every
  // event (the status line, the real-time loop's next wake-up).
  using Act = std::function<void(const std::function<void()>&)>;

  // Builds the controls in canvas (a window of this layer's panel class) and
  // the menus in the menu bar of top, placed at dpi, in the model's present
  // state.
  FormWindow(form::Controller& controller, HWND top, HWND canvas, int dpi, Act act);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Shows one property change on the Win32 control of its control. The form
  // itself (title, size, keeping on top) is the main window's business.
  void show(const form::Control& control, form::Prop prop);

  // The window of a control; null for menus, timers and the form.
  HWND hwnd_of(const form::Control& control) const;
  // The control a window shows; null for another window.
  const form::Control* control_of(HWND hwnd) const;
  // The command identifier of a menu item or control (WM_COMMAND's).
  UINT id_of(const form::Control& control) const;
  WindowMenu& menu() { return menu_; }

  // Pixels for twips at the view's DPI.
  int px(int twips) const;
  int dpi() const { return dpi_; }
  // The panels' font at the view's DPI.
  HFONT font() const { return paint_.font(); }
  // Places and sizes every control again at dpi, with the font for it.
  void rescale(int dpi);

  // The top window's messages that concern the controls, forwarded up from
  // the panels that hold them; true with *result set when handled.
  bool handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

 private:
  void make_control(form::Control& control, HWND parent);
  void show_all(const form::Control& control);
  void place(const form::Control& control, HWND hwnd);
  void restack(const std::string& container);
  void show_text(const form::Control& c, HWND hwnd);
  void show_list(const form::Control& c, HWND hwnd);
  void show_value(const form::Control& c, HWND hwnd);
  void show_tooltip(const form::Control& c, HWND hwnd);
  void command(form::Control& c, HWND hwnd, int code);
  void scrolled(form::Control& c, HWND hwnd, int code);
  void input(const std::function<void()>& what);

  form::Controller& c_;
  HWND top_;
  HWND canvas_;
  int dpi_;
  Act act_;
  // Each control's command identifier, both ways; before the menu, whose
  // items are made with theirs.
  std::map<const form::Control*, UINT> ids_;
  std::map<UINT, form::Control*> by_id_;
  ControlPaint paint_;
  WindowMenu menu_;
  HWND tooltip_ = nullptr;
  std::map<const form::Control*, HWND> windows_;
  std::map<HWND, form::Control*> controls_;
  // Set while the view itself writes to a control, whose notifications are
  // then not the operator's.
  bool showing_ = false;
};

}  // namespace kolvar::winview
