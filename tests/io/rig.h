#pragma once
// The controller on virtual time with recording fakes, and shorthand for the
// port image and the pin menus.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/readback.h"
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
  std::string image() const { return kolvar::testing::pin_texts(c); }
  // The bytes that reached the first backend, oldest first.
  std::vector<int> bytes() const {
    std::vector<int> out;
    for (const auto& w : h.port1.writes()) out.push_back(w.byte);
    return out;
  }
  std::vector<std::string> boxes() const { return kolvar::testing::texts(h.message_box.events); }
};

}  // namespace kolvar::io
