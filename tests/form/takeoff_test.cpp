// The one rule for the take-off type that every reader of the menu uses.
#include "form/takeoff.h"

#include <gtest/gtest.h>

#include "ui/headless.h"

namespace kolvar::form {
namespace {

TEST(Takeoff, TheFirstTickedTypeInTheMenusOrder) {
  struct Case {
    bool liquid, par, shim;
    Takeoff type;
  } cases[] = {
      {false, false, false, Takeoff::None},
      {true, false, false, Takeoff::Liquid},
      {false, true, false, Takeoff::Vapour},
      {false, false, true, Takeoff::Pwm},
      // Only program code or a script can tick more than one.
      {true, true, false, Takeoff::Liquid},
      {false, true, true, Takeoff::Vapour},
      {true, false, true, Takeoff::Liquid},
      {true, true, true, Takeoff::Liquid},
  };
  ui::Headless rig;
  Controller& c = rig.controller;
  for (const Case& k : cases) {
    c.c(ctl::liquid).set_checked(k.liquid);
    c.c(ctl::par).set_checked(k.par);
    c.c(ctl::SHIM).set_checked(k.shim);
    EXPECT_EQ(takeoff_type(c), k.type) << k.liquid << k.par << k.shim;
  }
}

}  // namespace
}  // namespace kolvar::form
