// What the message panel keeps of a valve switching under each take-off type.
#include "core/valve_news.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/valve.h"
#include "ui/headless.h"

namespace kolvar::core {
namespace {

const std::string kNoMode = "Режим работы не выбран\r\n";

struct ValveNewsRig {
  ui::Headless h;
  form::Controller& c = h.controller;
  std::vector<int> bytes() const {
    std::vector<int> out;
    for (const auto& w : h.port1.writes()) out.push_back(w.byte);
    return out;
  }
};

struct Mode {
  const char* what;
  const char* type;  // the ticked take-off menu item
  bool automatic;
  std::string after_two_opens;
};

class ValveText : public ::testing::TestWithParam<Mode> {};

TEST_P(ValveText, FollowsTheTakeOffType) {
  const Mode& m = GetParam();
  ValveNewsRig r;
  r.c.c(ctl::liquid).set_checked(false);
  r.c.form.get(m.type).set_checked(true);
  r.c.c(ctl::Auto).set_checked(m.automatic);
  io::vkl(r.c);
  io::vkl(r.c);
  EXPECT_EQ(r.c.c(ctl::News).text(), m.after_two_opens);
  EXPECT_EQ(r.c.c(ctl::News).back_color(), io::kOpenColor);
  EXPECT_EQ(r.bytes().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ValveText,
    ::testing::Values(Mode{"Liquid", "liquid", true, kNoMode + "Клапан открытКлапан открыт"},
                      Mode{"VapourAuto", "par", true, "Клапан открыт"},
                      Mode{"VapourByHand", "par", false, kNoMode + "Клапан открытКлапан открыт"},
                      Mode{"Pwm", "SHIM", true, kNoMode}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace kolvar::core
