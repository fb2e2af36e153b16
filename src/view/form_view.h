#pragma once
// The window's controls as Qt widgets, made from the form's own list of
// controls: a control added to the model appears here. The view holds no
// behaviour: operator input goes through the controller's entry points, the
// same ones the scenario runner uses, and the model's changes come back
// through the form's observer, one control at a time.
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <map>

#include "form/controller.h"

namespace kolvar::view {

class FormView {
 public:
  // Runs one piece of operator input; the owner adds what follows every
  // event (the status line, the real-time loop's next wake-up).
  using Act = std::function<void(const std::function<void()>&)>;

  // Builds the widgets in canvas and the menus in menu_bar, placed at
  // dots_per_inch, in the model's current state.
  FormView(form::Controller& controller, QWidget* canvas, QMenuBar* menu_bar, double dots_per_inch,
           Act act);

  // Shows one property change on the widget of its control. The form itself
  // (title, size, keeping on top) is the main window's business.
  void show(const form::Control& control, form::Prop prop);

  // The widget, menu or menu action of a control; null for timers and the form.
  QObject* object_of(const form::Control& control) const;
  // Pixels for twips at the view's resolution (the screen's times the
  // window's scale).
  int px(int twips) const;
  // Places and sizes every widget again at dots_per_inch.
  void rescale(double dots_per_inch);

 private:
  void make_widget(form::Control& control, QWidget* parent);
  void make_menu(form::Control& control);
  void connect_input(form::Control& control, QObject* object);
  void show_all(const form::Control& control);
  void place(const form::Control& control, QWidget* widget);
  void restack(const std::string& container);
  QWidget* widget_of(const std::string& full_name) const;

  form::Controller& c_;
  QWidget* canvas_;
  QMenuBar* menu_bar_;
  double dpi_;
  Act act_;
  std::map<const form::Control*, QObject*> objects_;
  std::map<std::string, QMenu*> menus_;  // by full name, those that hold items
};

}  // namespace kolvar::view
