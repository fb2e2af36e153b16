#pragma once
// The window: the form's menus and controls, and under them the view's own
// status line, which tells whether the outputs reach the column.
#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "form/controller.h"
#include "view/form_view.h"

namespace kolvar::view {

class MainWindow : public QMainWindow {
 public:
  // on_close runs when the operator closes the window, before the process ends.
  MainWindow(form::Controller& controller, FormView::Act act, std::function<void()> on_close);

  FormView& view() { return *view_; }
  QWidget* canvas() const { return canvas_; }
  // The form's caption, size and keeping on top.
  void show_form(const form::Control& form, form::Prop prop);
  void set_status(const QString& text);
  QString status() const { return status_->text(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void fit_to_form(const form::Control& form);

  form::Controller& c_;
  std::function<void()> on_close_;
  QWidget* canvas_;
  QLabel* status_;
  std::unique_ptr<FormView> view_;
};

}  // namespace kolvar::view
