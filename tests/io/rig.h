#pragma once
// The controller on virtual time with recording fakes, and shorthand for the
// port image and the pin menus.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ui/headless.h"

namespace kolvar::io {

struct Rig {
  ui::Headless h;
  form::Controller& c = h.controller;

  // Ticks the given items (1..8) of a menu array.
  void tick(std::string_view menu, std::initializer_list<int> items) {
    for (int i : items) c.form.get(menu, i).set_checked(true);
  }
  // The image as pin(0)..pin(7), e.g. "10000000".
  std::string image() const {
    std::string s;
    for (int k = 0; k < 8; ++k) s += c.c(ctl::pin, k).text();
    return s;
  }
  // The bytes that reached the first backend, oldest first.
  std::vector<int> bytes() const {
    std::vector<int> out;
    for (const auto& w : h.port1.writes()) out.push_back(w.byte);
    return out;
  }
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& e : h.message_box.events) out.push_back(e.text);
    return out;
  }
};

}  // namespace kolvar::io
