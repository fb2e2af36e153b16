#pragma once
// The window: every control, addressed by name and index, in the order the
// form declares them (that order also breaks ties between timers due at the
// same moment).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "form/control.h"
#include "platform/time/clock.h"

namespace kolvar::form {

class Form {
 public:
  using Observer = std::function<void(const Control&, Prop)>;

  explicit Form(const platform::Clock& clock);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Adds a control while the form is built; names with their index are unique.
  Control& add(std::string name, int index, Kind kind);

  // The control, or a failure when the form has no such control.
  Control& get(std::string_view name, int index = kNoIndex);
  const Control& get(std::string_view name, int index = kNoIndex) const;
  Control* find(std::string_view name, int index = kNoIndex);
  // The control named as in scripts: "T(1)", "Form1".
  Control* find_full(std::string_view full_name);
  // Whether name is an array, and its indices.
  std::vector<int> indices(std::string_view name) const;

  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  std::vector<Control*> timers() const;
  // The highest front-to-back place among the other controls of the same
  // container (INT_MIN when it has none).
  int front_z_order(const Control& control) const;

  // Told of every property change of every control.
  void set_observer(Observer observer) { observer_ = std::move(observer); }
  void notify(const Control& control, Prop prop) const;

  platform::Millis now() const { return clock_.now(); }

 private:
  const platform::Clock& clock_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*, std::less<>> by_full_name_;
  Observer observer_;
};

}  // namespace kolvar::form
