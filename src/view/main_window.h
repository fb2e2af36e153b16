#pragma once
// The window: the form's menus and controls, and under them the view's own
// status line, which tells whether the outputs reach the column. The whole
// window, text included, shows at a scale the operator chooses with keys;
// the form's sizes in twips stay the model's.
#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "desk/scale_steps.h"
#include "desk/window.h"
#include "form/controller.h"
#include "view/form_view.h"

namespace kolvar::view {

class MainWindow : public QMainWindow, public desk::Window {
 public:
  // on_close runs when the operator closes the window, before the process ends.
  MainWindow(form::Controller& controller, FormView::Act act, std::function<void()> on_close);

  FormView& view() { return *view_; }
  QWidget* canvas() const { return canvas_; }
  // The form's caption, size and keeping on top.
  void show_form(const form::Control& form, form::Prop prop) override;
  void show_control(const form::Control& control, form::Prop prop) override;
  void set_status(const std::string& text) override;
  void set_status(const QString& text);
  void open() override { show(); }
  void show_web_address(const std::string& url) override;
  void show_alert_button(const std::vector<std::string>& channels,
                         std::function<void()> test_alert) override;
  void show_alert_trouble(const std::string& line) override;
  void show_journal_button(std::function<void()> edit_note) override;
  QString status() const { return status_->text(); }

  // The scale in percent, one of the steps.
  int scale() const { return scale_; }
  // Places and sizes every widget and the window again at percent (another
  // value than a step is refused); remembers nothing.
  void set_scale(int percent);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void fit_to_form(const form::Control& form);
  void keep_on_screen(const QSize& grown_by);

  form::Controller& c_;
  std::function<void()> on_close_;
  QWidget* canvas_;
  QLabel* status_;
  std::unique_ptr<FormView> view_;
  int scale_ = desk::kNormalScale;
};

}  // namespace kolvar::view
