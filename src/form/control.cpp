#include "form/control.h"

#include <algorithm>

#include "form/form.h"
#include "platform/failure.h"

namespace kolvar::form {

std::string_view kind_name(Kind kind) {
  switch (kind) {
    case Kind::Form:
      return "form";
    case Kind::Label:
      return "label";
    case Kind::TextBox:
      return "textbox";
    case Kind::CheckBox:
      return "checkbox";
    case Kind::ScrollBar:
      return "scrollbar";
    case Kind::Button:
      return "button";
    case Kind::DriveList:
      return "drivelist";
    case Kind::DirList:
      return "dirlist";
    case Kind::FileList:
      return "filelist";
    case Kind::Frame:
      return "frame";
    case Kind::Timer:
      return "timer";
    case Kind::Shape:
      return "shape";
    case Kind::Line:
      return "line";
    case Kind::Menu:
      return "menu";
  }
  return "?";
}

Control::Control(Form& form, std::string name, int index, Kind kind)
    : form_(form), name_(std::move(name)), index_(index), kind_(kind) {
  if (kind == Kind::TextBox) back_ = kWhite;
}

std::string Control::full_name() const {
  if (index_ == kNoIndex) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Control::changed(Prop prop) {
  form_.notify(*this, prop);
}

void Control::set_text(std::string text) {
  update(text_, std::move(text), Prop::Text);
}

bool Control::in_range(int value) const {
  return value >= std::min(min_, max_) && value <= std::max(min_, max_);
}

void Control::set_value(int value) {
  if (kind_ == Kind::ScrollBar && !in_range(value))
    throw Failure("Значение " + std::to_string(value) + " вне диапазона " + full_name() + " (" +
                  std::to_string(min_) + ".." + std::to_string(max_) + ")");
  if (kind_ == Kind::CheckBox && value != 0 && value != 1)
    throw Failure("Значение " + std::to_string(value) + " недопустимо для " + full_name() +
                  " (0 или 1)");
  if (value == value_) return;
  value_ = value;
  changed(Prop::Value);
}

void Control::set_checked(bool checked) {
  update(checked_, checked, Prop::Checked);
}

void Control::set_enabled(bool enabled) {
  update(enabled_, enabled, Prop::Enabled);
}

void Control::set_visible(bool visible) {
  update(visible_, visible, Prop::Visible);
}

void Control::set_back_color(Color color) {
  update(back_, color, Prop::BackColor);
}

void Control::set_fore_color(Color color) {
  update(fore_, color, Prop::ForeColor);
}

void Control::set_tag(std::string tag) {
  update(tag_, std::move(tag), Prop::Tag);
}

void Control::set_tooltip(std::string tooltip) {
  update(tooltip_, std::move(tooltip), Prop::ToolTip);
}

void Control::set_left(int v) {
  update(left_, v, Prop::Left);
}
void Control::set_top(int v) {
  update(top_, v, Prop::Top);
}
void Control::set_width(int v) {
  update(width_, v, Prop::Width);
}
void Control::set_height(int v) {
  update(height_, v, Prop::Height);
}
void Control::move(int left, int top) {
  set_left(left);
  set_top(top);
}
void Control::resize(int width, int height) {
  set_width(width);
  set_height(height);
}

void Control::set_interval(long long interval) {
  if (interval < 0 || interval > 65535)
    throw Failure("Недопустимый интервал таймера " + full_name() + ": " + std::to_string(interval) +
                  " мс (допустимо 0..65535)");
  interval_ = static_cast<int>(interval);
  due_ = form_.now() + interval_;
  changed(Prop::Interval);
}

void Control::set_on(bool on) {
  if (on == on_) return;
  on_ = on;
  if (on_) due_ = form_.now() + interval_;
  changed(Prop::On);
}

void Control::reschedule_after_firing(platform::Millis now) {
  due_ = now + interval_;
}

void Control::set_z_order(int z) {
  update(z_order_, z, Prop::ZOrder);
}

void Control::bring_to_front() {
  const int front = form_.front_z_order(*this);
  if (z_order_ <= front) set_z_order(front + 1);
}

void Control::set_topmost(bool topmost) {
  update(topmost_, topmost, Prop::TopMost);
}

void Control::set_items(std::vector<std::string> items) {
  update(items_, std::move(items), Prop::Items);
}

Control& Control::init_text(std::string text) {
  text_ = std::move(text);
  return *this;
}
Control& Control::init_range(int top_value, int bottom_value, int value) {
  min_ = top_value;
  max_ = bottom_value;
  value_ = value;
  return *this;
}
Control& Control::init_value(int value) {
  value_ = value;
  return *this;
}
Control& Control::init_checked(bool checked) {
  checked_ = checked;
  return *this;
}
Control& Control::init_tooltip(std::string tooltip) {
  tooltip_ = std::move(tooltip);
  return *this;
}
Control& Control::init_tag(std::string tag) {
  tag_ = std::move(tag);
  return *this;
}
Control& Control::init_timer(int interval, bool on) {
  interval_ = interval;
  on_ = on;
  due_ = form_.now() + interval;
  return *this;
}
Control& Control::init_colors(Color back, Color fore) {
  back_ = back;
  fore_ = fore;
  return *this;
}
Control& Control::init_place(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  return *this;
}
Control& Control::init_container(std::string frame) {
  container_ = std::move(frame);
  return *this;
}
Control& Control::init_visible(bool visible) {
  visible_ = visible;
  return *this;
}
Control& Control::init_z_order(int z) {
  z_order_ = z;
  return *this;
}

}  // namespace kolvar::form
