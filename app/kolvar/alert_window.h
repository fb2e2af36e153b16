#pragma once
// The alerts of a window program (kolvar, kolvar-sim without --headless).
#include <memory>

#include "alerts/alert_settings.h"
#include "alerts/live_alerts.h"
#include "platform/time/wall_clock.h"
#include "view/desktop.h"

namespace kolvar::app {

// The alerts that the command line or the remote settings file asks for,
// their channels printed on standard output as "alerts: …", the test button
// and the trouble line in the window; none when no channel is set. Settings
// that are wrong: given on the command line, the program ends (status 2 in
// `exit_status`); in the file alone, the window says why.
std::unique_ptr<remote::LiveAlerts> open_alerts(view::Desktop& desktop,
                                                const remote::AlertCommandLine& command_line,
                                                const platform::WallClock& wall, int& exit_status);

}  // namespace kolvar::app
