#include "form/properties.h"

#include <sstream>
#include <stdexcept>

#include "form/text_number.h"

namespace kolvar::form {

namespace {

constexpr PropName kText{Prop::Text, "text"}, kCaption{Prop::Text, "caption"},
    kValue{Prop::Value, "value"}, kMin{Prop::Min, "min"}, kMax{Prop::Max, "max"},
    kChecked{Prop::Checked, "checked"}, kEnabled{Prop::Enabled, "enabled"},
    kVisible{Prop::Visible, "visible"}, kBack{Prop::BackColor, "backcolor"},
    kFore{Prop::ForeColor, "forecolor"}, kTag{Prop::Tag, "tag"}, kTip{Prop::ToolTip, "tooltip"},
    kLeft{Prop::Left, "left"}, kTop{Prop::Top, "top"}, kWidth{Prop::Width, "width"},
    kHeight{Prop::Height, "height"}, kInterval{Prop::Interval, "interval"}, kOn{Prop::On, "on"},
    kTopMost{Prop::TopMost, "topmost"}, kItems{Prop::Items, "items"},
    kZOrder{Prop::ZOrder, "zorder"};

long long to_number(const std::string& s) {
  if (auto v = whole_number(s)) return *v;
  throw std::invalid_argument("not a number: " + s);
}

int to_int(const std::string& s) {
  long long v = to_number(s);
  if (v < -2147483648LL || v > 2147483647LL) throw std::invalid_argument("number too large: " + s);
  return static_cast<int>(v);
}

bool to_bool(const std::string& s) {
  if (s == "True" || s == "true" || s == "1") return true;
  if (s == "False" || s == "false" || s == "0") return false;
  throw std::invalid_argument("not True or False: " + s);
}

Color to_color(const std::string& s) {
  int rgb[3];
  std::istringstream in(s);
  std::string part;
  for (int i = 0; i < 3; ++i) {
    if (!std::getline(in, part, ',')) throw std::invalid_argument("not a colour R,G,B: " + s);
    rgb[i] = to_int(part);
    if (rgb[i] < 0 || rgb[i] > 255) throw std::invalid_argument("not a colour R,G,B: " + s);
  }
  if (std::getline(in, part, ',')) throw std::invalid_argument("not a colour R,G,B: " + s);
  return Color{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
               static_cast<std::uint8_t>(rgb[2])};
}

std::string bool_text(bool b) {
  return b ? "True" : "False";
}

}  // namespace

const std::vector<PropName>& props_of(Kind kind) {
  static const std::vector<PropName> form{kCaption, kBack,  kEnabled, kVisible, kLeft,
                                          kTop,     kWidth, kHeight,  kTopMost};
  static const std::vector<PropName> label{kCaption, kEnabled, kVisible, kBack,  kFore,  kTip,
                                           kTag,     kLeft,    kTop,     kWidth, kHeight};
  static const std::vector<PropName> text_box{kText, kEnabled, kVisible, kBack,  kFore,  kTip,
                                              kTag,  kLeft,    kTop,     kWidth, kHeight};
  static const std::vector<PropName> check_box{kValue, kCaption, kEnabled, kVisible,
                                               kBack,  kFore,    kTip,     kTag};
  static const std::vector<PropName> scroll{kValue, kMin, kMax, kEnabled, kVisible, kTip, kTag};
  static const std::vector<PropName> button{kCaption, kEnabled, kVisible, kTip, kTag};
  static const std::vector<PropName> list{kText, kItems, kEnabled, kVisible};
  static const std::vector<PropName> frame{kCaption, kEnabled, kVisible, kBack,   kFore,
                                           kLeft,    kTop,     kWidth,   kHeight, kZOrder};
  static const std::vector<PropName> timer{kOn, kInterval, kTag};
  static const std::vector<PropName> shape{kBack, kVisible};
  static const std::vector<PropName> line{kVisible};
  static const std::vector<PropName> menu{kChecked, kCaption, kEnabled, kVisible};
  switch (kind) {
    case Kind::Form:
      return form;
    case Kind::Label:
      return label;
    case Kind::TextBox:
      return text_box;
    case Kind::CheckBox:
      return check_box;
    case Kind::ScrollBar:
      return scroll;
    case Kind::Button:
      return button;
    case Kind::DriveList:
    case Kind::DirList:
    case Kind::FileList:
      return list;
    case Kind::Frame:
      return frame;
    case Kind::Timer:
      return timer;
    case Kind::Shape:
      return shape;
    case Kind::Line:
      return line;
    case Kind::Menu:
      return menu;
  }
  return line;
}

std::optional<PropName> find_prop(Kind kind, std::string_view name) {
  for (const PropName& p : props_of(kind)) {
    if (p.name == name) return p;
    if (p.prop == Prop::Text && (name == "text" || name == "caption"))
      return PropName{p.prop, name};
  }
  return std::nullopt;
}

std::string prop_text(const Control& c, Prop prop) {
  auto color = [](Color k) {
    return std::to_string(k.r) + "," + std::to_string(k.g) + "," + std::to_string(k.b);
  };
  switch (prop) {
    case Prop::Text:
      return c.text();
    case Prop::Value:
      return std::to_string(c.value());
    case Prop::Min:
      return std::to_string(c.min());
    case Prop::Max:
      return std::to_string(c.max());
    case Prop::Checked:
      return bool_text(c.checked());
    case Prop::Enabled:
      return bool_text(c.enabled());
    case Prop::Visible:
      return bool_text(c.visible());
    case Prop::BackColor:
      return color(c.back_color());
    case Prop::ForeColor:
      return color(c.fore_color());
    case Prop::Tag:
      return c.tag();
    case Prop::ToolTip:
      return c.tooltip();
    case Prop::Left:
      return std::to_string(c.left());
    case Prop::Top:
      return std::to_string(c.top());
    case Prop::Width:
      return std::to_string(c.width());
    case Prop::Height:
      return std::to_string(c.height());
    case Prop::Interval:
      return std::to_string(c.interval());
    case Prop::On:
      return bool_text(c.on());
    case Prop::TopMost:
      return bool_text(c.topmost());
    case Prop::ZOrder:
      return std::to_string(c.z_order());
    case Prop::Items: {
      std::string out;
      for (const auto& item : c.items()) out += (out.empty() ? "" : "\n") + item;
      return out;
    }
  }
  return "";
}

void set_prop_text(Control& c, Prop prop, const std::string& v) {
  switch (prop) {
    case Prop::Text:
      return c.set_text(v);
    case Prop::Value:
      return c.set_value(to_int(v));
    case Prop::Min:
    case Prop::Max:
      throw std::invalid_argument("the range of a scroll bar is fixed");
    case Prop::Checked:
      return c.set_checked(to_bool(v));
    case Prop::Enabled:
      return c.set_enabled(to_bool(v));
    case Prop::Visible:
      return c.set_visible(to_bool(v));
    case Prop::BackColor:
      return c.set_back_color(to_color(v));
    case Prop::ForeColor:
      return c.set_fore_color(to_color(v));
    case Prop::Tag:
      return c.set_tag(v);
    case Prop::ToolTip:
      return c.set_tooltip(v);
    case Prop::Left:
      return c.set_left(to_int(v));
    case Prop::Top:
      return c.set_top(to_int(v));
    case Prop::Width:
      return c.set_width(to_int(v));
    case Prop::Height:
      return c.set_height(to_int(v));
    case Prop::Interval:
      return c.set_interval(to_number(v));
    case Prop::On:
      return c.set_on(to_bool(v));
    case Prop::TopMost:
      return c.set_topmost(to_bool(v));
    case Prop::ZOrder:
      return c.set_z_order(to_int(v));
    case Prop::Items: {
      std::vector<std::string> items;
      std::istringstream in(v);
      for (std::string line; std::getline(in, line);) items.push_back(line);
      return c.set_items(std::move(items));
    }
  }
}

}  // namespace kolvar::form
