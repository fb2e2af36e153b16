#include "desk/test_seam.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "platform/ports/fake_port.h"

namespace kolvar::desk {

void print_test_event(platform::Millis t, const std::string& text) {
  std::printf("@%lld %s\n", static_cast<long long>(t), text.c_str());
  std::fflush(stdout);
}

TestSeam::TestSeam(std::string first_port, std::string second_port)
    : first_port_(std::move(first_port)), second_port_(std::move(second_port)) {
  const char* set = std::getenv("KOLVAR_TEST_PORT");
  const std::string port = set ? set : "";
  failing_port_ = port == "fail";
  fake_port_ = port == "fake" || failing_port_;
  printing_ = fake_port_ || port == "real";
}

Desktop::Wiring TestSeam::wiring() const {
  if (!fake_port_) return {};
  Desktop::Wiring w;
  w.ports = [failing = failing_port_, first_name = first_port_,
             second_name = second_port_](const platform::Clock& clock) {
    auto on_write = [](platform::Millis t, std::uint8_t byte) {
      print_test_event(t, "port " + std::to_string(byte));
    };
    auto first = std::make_unique<platform::FakePort>(clock, first_name, on_write);
    auto second = std::make_unique<platform::FakePort>(clock, second_name, on_write);
    if (failing) {
      first->set_mode(platform::FakePort::Mode::Fails);
      second->set_mode(platform::FakePort::Mode::Missing);
    }
    return platform::DefaultPorts{std::move(first), std::move(second)};
  };
  return w;
}

void TestSeam::click_asked(Desktop& desktop) {
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

}  // namespace kolvar::desk
