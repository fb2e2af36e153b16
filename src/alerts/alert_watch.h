#pragma once
// Tells the events worth an alert from the controller's state before and
// after each of its events. It only reads the model, on the controller's
// thread.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "alerts/alert_event.h"
#include "form/controller.h"
#include "form/port_state.h"
#include "form/takeoff.h"

namespace kolvar::remote {

// What the alerts and the MQTT state need of the column, and no more.
struct ColumnFacts {
  bool running = false;  // the cycle runs
  bool stopped = false;  // the panel shows a system stop
  std::string stop_reason;
  bool logger_restarted = false;  // the logger was started again for this stall
  form::PortOutcome port = form::PortOutcome::None;
  std::string port_status;  // the status line's words for the port
  std::array<std::optional<double>, 4> degrees{};
  form::Takeoff takeoff = form::Takeoff::None;
  std::optional<bool> valve_open;
  std::vector<std::string> warnings;          // the run's, as its start said them
  std::optional<long long> cooldown_minutes;  // while a cool-down runs
  bool operator==(const ColumnFacts&) const = default;
};

ColumnFacts column_facts(const form::Controller& c, std::string port_status);

// The events between two states, in the order an operator should read them
// (the start of a run before what went wrong in it). A port failure counts
// once a run: its own message box already repeats for each change.
class AlertWatch {
 public:
  std::vector<AlertEvent> next(const ColumnFacts& now);

 private:
  std::optional<ColumnFacts> last_;
  bool port_told_ = false;
};

}  // namespace kolvar::remote
