#pragma once
// The operator's window in Win32: the form's menus and controls, and under
// them the view's own status line, which tells whether the outputs reach the
// column. Its size is the form's, in twips at the window's DPI, plus the
// status line. The whole window, text included, shows at a scale the
// operator chooses with keys, on top of the monitor's DPI; the form's sizes
// in twips stay the model's.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desk/scale_steps.h"
#include "desk/window.h"
#include "form/controller.h"
#include "winview/form_window.h"
#include "winview/qr_window.h"
#include "winview/scale_keys.h"
#include "winview/status_parts.h"
#include "winview/win32.h"

namespace kolvar::winview {

class MainWindow : public desk::Window {
 public:
  // Creates the window, hidden, with its controls from the model's present
  // state. on_close runs when the operator or the system closes the window
  // (WM_CLOSE, the session ending), before the process ends.
  MainWindow(form::Controller& controller, FormWindow::Act act, std::function<void()> on_close);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  FormWindow& view() { return *view_; }
  // The form's caption, size and keeping on top.
  void show_form(const form::Control& form, form::Prop prop) override;
  void show_control(const form::Control& control, form::Prop prop) override;
  void set_status(const std::string& text) override;
  std::string status() const;
  void show_web_address(const std::string& url) override;
  const std::wstring& web_address() const { return web_address_; }
  void show_alert_button(const std::vector<std::string>& channels,
                         std::function<void()> test_alert) override;
  void show_alert_trouble(const std::string& line) override;
  void show_journal_button(std::function<void()> edit_note) override;
  StatusParts& status_parts() { return *parts_; }
  // The address with its QR code, once "Веб-страница" was clicked.
  QrWindow* web_code() { return qr_.get(); }
  void show();
  void open() override { show(); }
  // Told once, at the window's first paint.
  void on_first_paint(std::function<void()> told) { on_first_paint_ = std::move(told); }
  // The window's monitor's DPI now (96 is 100 %).
  int dpi() const { return dpi_; }
  // The scale in percent, one of the steps; the controls stand at the DPI
  // times the scale.
  int scale() const { return scale_; }
  // Places and sizes every control and the window again at percent (another
  // value than a step is refused); remembers nothing.
  void set_scale(int percent);

  // The window procedure's own; public for the class's static procedure.
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void fit_to_form(const form::Control& form);
  void place_children();
  int status_height() const;
  void place_status_parts();
  void rescale(int dpi);
  void keep_on_screen();

  form::Controller& c_;
  std::function<void()> on_close_;
  std::function<void()> on_first_paint_;
  HWND hwnd_ = nullptr;
  HWND canvas_ = nullptr;
  HWND status_ = nullptr;
  std::wstring web_address_;
  std::unique_ptr<StatusParts> parts_;
  std::unique_ptr<QrWindow> qr_;
  int dpi_ = 96;
  int scale_ = desk::kNormalScale;
  bool painted_ = false;
  std::unique_ptr<FormWindow> view_;
  std::unique_ptr<ScaleKeys> scale_keys_;
};

}  // namespace kolvar::winview
