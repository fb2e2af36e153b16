#pragma once
// The desktop on the offscreen platform in a fresh folder, with recording
// ports and a monotonic clock the test sets: nothing sleeps.
#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <optional>

#include "platform/ports/fake_port.h"
#include "support/temp_folder.h"
#include "view/desktop.h"
#include "view/scale_memory.h"

namespace kolvar::view::testing {

// The window's remembered scale lives in a configuration folder of the
// test's own; the window starts at `remembered` when given, whatever the
// machine's desktop font.
struct OwnConfigFolder {
  OwnConfigFolder(const std::filesystem::path& folder, std::optional<int> remembered) {
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    if (remembered) remember_scale(*remembered);
  }
};

class DesktopRig : public kolvar::testing::InFreshFolder {
 protected:
  template <class W>
  W* widget(const std::string& full_name) {
    return qobject_cast<W*>(desktop.window().view().object_of(control(full_name)));
  }
  form::Control& control(const std::string& full_name) {
    form::Control* c = desktop.controller().form.find_full(full_name);
    if (!c) throw std::logic_error("no control " + full_name);
    return *c;
  }
  // Time passes on the monotonic clock and the loop wakes.
  void advance(platform::Millis ms) {
    monotonic += ms;
    desktop.act([this] { desktop.driver().run_due(); });
  }
  // Message boxes standing now.
  int boxes() const {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QMessageBox*>(w) && w->isVisible()) ++n;
    return n;
  }

  OwnConfigFolder config{folder.path(), 100};
  platform::Millis monotonic = 0;
  platform::FakePort* port1 = nullptr;
  platform::FakePort* port2 = nullptr;
  Desktop desktop{{[this](const platform::Clock& clock) {
                     auto first = std::make_unique<platform::FakePort>(clock, "/dev/parport0");
                     auto second = std::make_unique<platform::FakePort>(clock, "0x378");
                     port1 = first.get();
                     port2 = second.get();
                     return platform::DefaultPorts{std::move(first), std::move(second)};
                   },
                   [this] { return monotonic; }}};
};

}  // namespace kolvar::view::testing
