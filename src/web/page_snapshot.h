#pragma once
// The column's state as the page shows it, taken on the controller's thread
// after each cycle and each event and then never changed: the server's
// thread reads it while the controller goes on.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/control.h"
#include "form/controller.h"
#include "platform/time/clock.h"
#include "platform/time/wall_clock.h"
#include "record/sample.h"

namespace kolvar::remote {

// A threshold beside a role: its label's caption and its value in degrees.
struct Threshold {
  std::string name;  // "отключение", "охлаждение"; empty for the role's own
  std::string text;  // the caption of T2(i)
  bool operator==(const Threshold&) const = default;
};

struct RoleView {
  std::string name;  // the row's caption: "Дефлегм", "Насадка", "Бак", "спирт на вых."
  std::string text;               // the caption of T(r), as the window shows it
  std::optional<double> degrees;  // none where the role reads nothing (yet)
  bool enabled = false;           // whether the role takes part
  form::Color back{};
  form::Color fore{};
  std::vector<Threshold> thresholds;
  // The role takes part and reads a value no sensor shows (0, a blank,
  // -127): `text` keeps what came, `degrees` is none.
  bool read_error = false;
  bool operator==(const RoleView&) const = default;
};

struct PageSnapshot {
  // Counts every snapshot taken, so a viewer knows a new one.
  std::uint64_t sequence = 0;
  platform::LocalTime wall{};  // when it was taken
  bool running = false;        // the cycle runs
  bool stopped = false;        // the panel shows a system stop
  std::string stop_reason;     // as the stop shows it
  std::array<RoleView, 4> roles;
  record::Takeoff takeoff = record::Takeoff::None;
  std::optional<bool> valve_open;
  std::optional<long long> share;  // PWM take-off, thousandths of a percent
  std::string valve_text;          // the window's caption: "СТОП", "СТАРТ" or ""
  std::array<std::string, 8> pins;
  std::string news;  // the message panel's text
  // What the run under way leaves unguarded, as its start said; none while
  // no cycle runs.
  std::vector<std::string> warnings;
  // The minutes a cool-down after a stop still keeps the cooling on, with
  // the panel's line for it; none and empty while none runs.
  std::optional<long long> cooldown_minutes;
  std::string cooldown_line;
  std::string port_status;        // the status line under the window
  platform::Millis run_time = 0;  // of the run under way or the last one
  long long cycles = 0;           // the cycles of that run
  bool run_seen = false;          // whether a run was started since the program started
  std::string record_file;        // the run's record, relative to the working folder
  // The legend of the past run drawn behind the plot ("Фон: …"); empty
  // while none is.
  std::string background;
  // The settings file's lines as the controls hold them now.
  std::shared_ptr<const std::vector<std::string>> settings;
};

// What the program knows of the run beside the window: given by whoever
// follows the run record.
struct RunProgress {
  bool seen = false;
  platform::Millis run_time = 0;
  long long cycles = 0;
  std::string record_file;
};

// The controller's state now. `settings` is reused when the lines are
// those already held, so most snapshots share one copy.
PageSnapshot take_page_snapshot(const form::Controller& c, const RunProgress& run,
                                std::string port_status,
                                std::shared_ptr<const std::vector<std::string>> settings);

}  // namespace kolvar::remote
