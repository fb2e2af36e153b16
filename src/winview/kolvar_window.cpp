#include "winview/kolvar_window.h"

#include <iostream>

#include "launch/kolvar_options.h"
#include "launch/standard_options.h"
#include "platform/command_line.h"
#include "winview/parent_console.h"
#include "winview/stop_sound_setup.h"
#include "winview/test_seam.h"
#include "winview/win_toolkit.h"

namespace kolvar::winview {

int run_kolvar(int argc, char** argv) {
  // Its lines ("web: …", "alerts: …", refusals) reach the console it was
  // started from, if any.
  attach_parent_console();
  const std::string usage = launch::kolvar_usage(false, false);
  if (auto answered = launch::answer_standard_option(argc, argv, "kolvar", usage, std::cout))
    return *answered;
  const auto options = launch::kolvar_options_or_usage(argc, argv, false, usage, std::cerr);
  if (!options) return platform::kUsageStatus;
  provide_stop_sound();

  // Named as the system's libraries, so every message is the system's own text.
  const desk::TestSeam seam("dlportio.dll", "inpout32.dll");
  Desktop desktop(seam.wiring());
  if (seam.printing()) print_first_paint_and_boxes(desktop);
  Companions beside(desktop.window().hwnd());
  WinToolkit toolkit(desktop, beside, "kolvar");
  const platform::SystemWallClock wall;
  return launch::run_desktop_program(toolkit, {"kolvar", options->web, options->alerts}, wall,
                                     std::cout, std::cerr);
}

}  // namespace kolvar::winview
