// The names that code addresses controls by, against the window as built: a
// name in the list that the window does not declare would compile and then
// fail the first time it is used.
#include "form/names.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "form/form.h"
#include "form/virtual_clock.h"
#include "form/window_layout.h"

namespace kolvar::form {
namespace {

TEST(Names, EveryListedNameIsAControlOfTheFreshWindow) {
  VirtualClock clock;
  Form form(clock);
  build_window(form);
  for (Name name : ctl::all) {
    const bool declared =
        std::any_of(form.controls().begin(), form.controls().end(),
                    [&](const auto& control) { return control->name() == name.text(); });
    EXPECT_TRUE(declared) << name.text();
  }
}

}  // namespace
}  // namespace kolvar::form
