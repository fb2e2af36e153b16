#pragma once
// The web page of a window program (kolvar, kolvar-sim without --headless).
#include <memory>

#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "remote/live_page.h"
#include "remote/web_plan.h"
#include "view/desktop.h"

namespace kolvar::app {

// The page that the command line or the remote settings file asks for,
// serving, its address printed on standard output as "web: …" and shown in
// the window; none when neither asks. A page that cannot be guarded or bound
// is not served: asked for on the command line, the program ends (status 2
// in `exit_status`); asked for by the file alone, the window says why.
std::unique_ptr<remote::LivePage> open_web_page(view::Desktop& desktop, record::RunRecord& record,
                                                const remote::WebCommandLine& command_line,
                                                const platform::WallClock& wall, int& exit_status);

}  // namespace kolvar::app
