#include "form/form.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "platform/failure.h"

namespace kolvar::form {

namespace {
std::string key(std::string_view name, int index) {
  std::string k(name);
  // Appended piece by piece: "(" + std::to_string(...) trips a false
  // -Wrestrict in GCC 12 at -O3.
  if (index != kNoIndex) {
    k += '(';
    k += std::to_string(index);
    k += ')';
  }
  return k;
}
}  // namespace

Form::Form(const platform::Clock& clock) : clock_(clock) {}

Control& Form::add(std::string name, int index, Kind kind) {
  std::string k = key(name, index);
  if (by_full_name_.count(k)) throw std::logic_error("control declared twice: " + k);
  controls_.push_back(std::make_unique<Control>(*this, std::move(name), index, kind));
  Control& c = *controls_.back();
  by_full_name_.emplace(std::move(k), &c);
  return c;
}

Control* Form::find_full(std::string_view full_name) {
  auto it = by_full_name_.find(full_name);
  return it == by_full_name_.end() ? nullptr : it->second;
}

Control* Form::find(std::string_view name, int index) {
  return find_full(key(name, index));
}

Control& Form::get(std::string_view name, int index) {
  if (Control* c = find(name, index)) return *c;
  throw Failure("нет элемента окна " + key(name, index));
}

const Control& Form::get(std::string_view name, int index) const {
  return const_cast<Form*>(this)->get(name, index);
}

std::vector<int> Form::indices(std::string_view name) const {
  std::vector<int> out;
  for (const auto& c : controls_)
    if (c->name() == name && c->index() != kNoIndex) out.push_back(c->index());
  return out;
}

std::vector<Control*> Form::timers() const {
  std::vector<Control*> out;
  for (const auto& c : controls_)
    if (c->kind() == Kind::Timer) out.push_back(c.get());
  return out;
}

int Form::front_z_order(const Control& control) const {
  int front = INT_MIN;
  for (const auto& c : controls_)
    if (c.get() != &control && c->container() == control.container())
      front = std::max(front, c->z_order());
  return front;
}

void Form::notify(const Control& control, Prop prop) const {
  if (observer_) observer_(control, prop);
}

}  // namespace kolvar::form
