#include "winview/test_seam.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "form/json_text.h"
#include "platform/ports/fake_port.h"

namespace kolvar::winview {

void print_test_event(platform::Millis t, const std::string& text) {
  std::printf("@%lld %s\n", static_cast<long long>(t), text.c_str());
  std::fflush(stdout);
}

TestSeam::TestSeam() {
  const char* set = std::getenv("KOLVAR_TEST_PORT");
  const std::string port = set ? set : "";
  failing_port_ = port == "fail";
  fake_port_ = port == "fake" || failing_port_;
  printing_ = fake_port_ || port == "real";
}

Desktop::Wiring TestSeam::wiring() {
  if (!fake_port_) return {};
  auto make = [failing = failing_port_](const platform::Clock& clock) {
    auto on_write = [](platform::Millis t, std::uint8_t byte) {
      print_test_event(t, "port " + std::to_string(byte));
    };
    // Named as the system's libraries, so every message is the system's own text.
    auto first = std::make_unique<platform::FakePort>(clock, "dlportio.dll", on_write);
    auto second = std::make_unique<platform::FakePort>(clock, "inpout32.dll", on_write);
    if (failing) {
      first->set_mode(platform::FakePort::Mode::Fails);
      second->set_mode(platform::FakePort::Mode::Missing);
    }
    return platform::DefaultPorts{std::move(first), std::move(second)};
  };
  return {make, {}};
}

void TestSeam::attach(Desktop& desktop) {
  if (!printing_) return;
  const platform::Clock& clock = desktop.clock();
  desktop.window().on_first_paint([&clock] { print_test_event(clock.now(), "shown"); });
  desktop.message_box().on_show([&clock](const std::string& text) {
    print_test_event(clock.now(), "msgbox " + form::json_quote(text));
  });
}

void TestSeam::after_start(Desktop& desktop) {
  const char* clicks = std::getenv("KOLVAR_TEST_CLICKS");
  if (!clicks) return;
  std::istringstream names(clicks);
  for (std::string name; names >> name;) {
    form::Control* control = desktop.controller().form.find_full(name);
    if (!control) {
      std::fprintf(stderr, "kolvar: no control %s\n", name.c_str());
      continue;
    }
    desktop.act([&] { desktop.controller().click(*control); });
  }
}

}  // namespace kolvar::winview
