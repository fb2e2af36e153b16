// kolvar.exe: the operator's window over the controller, on real time, in
// Win32. Its only options are the web page's; its settings live in "mytunes.log"
// in the working folder.
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "console_output.h"
#include "platform/command_line.h"
#include "platform/processes/quit_requests.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "remote/web_plan.h"
#include "win_web_page.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/live_plot.h"
#include "winview/message_loop.h"
#include "winview/stop_sound_setup.h"
#include "winview/test_seam.h"

namespace {

constexpr char kUsage[] =
    "usage: kolvar [--web [ADDR:]PORT [--web-allow-stop]]\n"
    "       kolvar --help | --version\n"
    "  Opens the operator's window over the column, working in the current\n"
    "  folder: settings in mytunes.log, the record of each run in runs/.\n"
    "  --web [ADDR:]PORT  serve a read-only web page of the run on PORT, this\n"
    "                     machine only; with ADDR (0.0.0.0: every network) a\n"
    "                     token guards it (see kolvar-web.conf)\n"
    "  --web-allow-stop   the page may stop the system (\"Стоп системы\")\n";

// Quit requests from a console (Ctrl+C, the console closed), where the
// system lets this program have them; without, the window's own close and
// the session's end still stop the column.
std::unique_ptr<kolvar::platform::QuitRequests> take_quit_requests() {
  try {
    return std::make_unique<kolvar::platform::QuitRequests>();
  } catch (const std::exception& refused) {
    std::fprintf(stderr, "kolvar: %s\n", refused.what());
    return nullptr;
  }
}

}  // namespace

int main(int argc, char** argv) {
  using kolvar::platform::StandardOption;
  const std::vector<std::string> args(argv + 1, argv + argc);
  switch (kolvar::platform::standard_option(args)) {
    case StandardOption::Help:
      kolvar_app::attach_parent_console();
      std::fputs(kUsage, stdout);
      return 0;
    case StandardOption::Version:
      kolvar_app::attach_parent_console();
      std::fputs(kolvar::platform::version_line("kolvar").c_str(), stdout);
      return 0;
    case StandardOption::None:
      break;
  }
  kolvar::remote::WebCommandLine web;
  try {
    for (std::size_t i = 0; i < args.size(); ++i)
      if (!kolvar::remote::take_web_option(args, i, web))
        throw std::invalid_argument("unknown option or argument " + args[i]);
    kolvar::remote::check_web_options(web);
  } catch (const std::invalid_argument& wrong) {
    kolvar_app::attach_parent_console();
    std::fprintf(stderr, "kolvar: %s\n%s", wrong.what(), kUsage);
    return kolvar::platform::kUsageStatus;
  }
  if (web.given()) kolvar_app::attach_parent_console();  // for its "web: …" line
  kolvar::winview::provide_stop_sound();

  kolvar::winview::TestSeam seam;  // inert unless a test set its variables
  kolvar::winview::Desktop desktop(seam.wiring());
  seam.attach(desktop);
  // The record of every run, in runs/. Its rows reach the disk from a thread
  // of their own, so a slow disk never delays the cycle.
  const kolvar::platform::SystemWallClock wall;
  kolvar::record::RunRecord record(desktop.controller(), wall, {.background = true});
  // The plot of the run under way beside the window (F9 shows it again),
  // once the main window is in place.
  kolvar::winview::LivePlot plot(record, desktop.window().hwnd());
  kolvar::winview::Companions beside(desktop.window().hwnd());
  beside.add(plot.window().hwnd());
  // The read-only page of the run, when asked for.
  int refused = 0;
  const auto page = kolvar::app::WinWebPage::open(desktop, record, web, wall, "kolvar", refused);
  if (refused) return refused;
  const auto quit = take_quit_requests();
  desktop.start();
  seam.after_start(desktop);
  return kolvar::winview::run_message_loop([&] {
    std::vector<kolvar::winview::Watch> watches = desktop.watches();
    if (page) watches.push_back(page->watch());
    if (quit)
      watches.push_back({quit->handle(), [&] {
                           quit->take();
                           desktop.end();
                         }});
    return watches;
  });
}
