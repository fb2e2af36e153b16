#pragma once
// A control of the window: plain data with the properties the controller
// reads and writes. Every change goes through a setter, so the form can tell
// an observer (the desktop view) what changed without it polling.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/time/clock.h"

namespace kolvar::form {

class Form;

enum class Kind {
  Form,
  Label,
  TextBox,
  CheckBox,
  ScrollBar,  // vertical scroll bar
  Button,
  DriveList,
  DirList,
  FileList,
  Frame,
  Timer,
  Shape,
  Line,
  Menu,
};

std::string_view kind_name(Kind kind);

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kButtonFace{240, 240, 240};
// The system colour of menu backgrounds, which the indicator returns to.
inline constexpr Color kMenuColor{240, 240, 240};

// Every property a control can have; a kind uses a subset (see properties.h).
enum class Prop {
  Text,  // text of a text box, caption of everything else
  Value,
  Min,
  Max,
  Checked,
  Enabled,
  Visible,
  BackColor,
  ForeColor,
  Tag,
  ToolTip,
  Left,
  Top,
  Width,
  Height,
  Interval,
  On,
  TopMost,
  Items,
  ZOrder,
};

inline constexpr int kNoIndex = -1;

class Control {
 public:
  Control(Form& form, std::string name, int index, Kind kind);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  int index() const { return index_; }
  Kind kind() const { return kind_; }
  // The name as written in scripts: "T(1)", "Timer3", "Form1".
  std::string full_name() const;
  // The frame that holds this control, empty when it lies on the form itself.
  const std::string& container() const { return container_; }

  // Caption or text, by kind.
  const std::string& text() const { return text_; }
  void set_text(std::string text);

  // Scroll bar or check box value. A scroll bar refuses a value outside its
  // range (a failure naming the control and the range) and keeps its value.
  int value() const { return value_; }
  void set_value(int value);
  // The values at the top and at the bottom end of a scroll bar.
  int min() const { return min_; }
  int max() const { return max_; }
  bool in_range(int value) const;

  bool checked() const { return checked_; }
  void set_checked(bool checked);
  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled);
  bool visible() const { return visible_; }
  void set_visible(bool visible);
  Color back_color() const { return back_; }
  void set_back_color(Color color);
  Color fore_color() const { return fore_; }
  void set_fore_color(Color color);
  const std::string& tag() const { return tag_; }
  void set_tag(std::string tag);
  const std::string& tooltip() const { return tooltip_; }
  void set_tooltip(std::string tooltip);

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void move(int left, int top);
  void resize(int width, int height);
  void set_left(int v);
  void set_top(int v);
  void set_width(int v);
  void set_height(int v);

  // Timers: interval in ms (0..65535, outside that a failure naming the
  // timer) and on/off. Switching a timer on from off, or setting its interval,
  // starts its count from now; interval 0 never fires.
  int interval() const { return interval_; }
  void set_interval(long long interval);
  bool on() const { return on_; }
  void set_on(bool on);
  // When a running timer is next due (virtual time); meaningful only while on.
  platform::Millis due() const { return due_; }
  // The scheduler's own: a fired timer that stays on is due one interval later.
  void reschedule_after_firing(platform::Millis now);
  // The real-time scheduler's own: a timer that missed whole periods is due
  // once, at now.
  void skip_missed(platform::Millis now) { due_ = now; }

  // Front-to-back place among the controls of the same container: a higher
  // number lies in front; equal numbers lie in the order of declaration, the
  // later in front. Overlapping panels rely on it.
  int z_order() const { return z_order_; }
  void set_z_order(int z);
  // Puts this control in front of every other control of its container.
  void bring_to_front();

  // The window asks to be kept above all others (the form only).
  bool topmost() const { return topmost_; }
  void set_topmost(bool topmost);

  // Entries of a drive, folder or file list.
  const std::vector<std::string>& items() const { return items_; }
  void set_items(std::vector<std::string> items);

  // Set up while the form is being built; no observer is told.
  Control& init_text(std::string text);
  Control& init_range(int top_value, int bottom_value, int value);
  Control& init_value(int value);
  Control& init_checked(bool checked);
  Control& init_tooltip(std::string tooltip);
  Control& init_tag(std::string tag);
  Control& init_timer(int interval, bool on);
  Control& init_colors(Color back, Color fore);
  Control& init_place(int left, int top, int width, int height);
  Control& init_container(std::string frame);
  Control& init_visible(bool visible);
  Control& init_z_order(int z);

 private:
  void changed(Prop prop);
  // Sets a property and tells the observer, unless nothing changes.
  template <class T>
  void update(T& field, T value, Prop prop) {
    if (field == value) return;
    field = std::move(value);
    changed(prop);
  }

  Form& form_;
  std::string name_;
  int index_;
  Kind kind_;
  std::string container_;
  std::string text_;
  int value_ = 0;
  int min_ = 0;
  int max_ = 0;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  Color back_ = kButtonFace;
  Color fore_ = kBlack;
  std::string tag_;
  std::string tooltip_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int interval_ = 0;
  bool on_ = false;
  platform::Millis due_ = 0;
  int z_order_ = 0;
  bool topmost_ = false;
  std::vector<std::string> items_;
};

}  // namespace kolvar::form
