#include "winview/win_toolkit.h"

#include <cstdio>
#include <exception>
#include <memory>

#include "desk/test_seam.h"
#include "platform/processes/quit_requests.h"
#include "winview/live_plot.h"

namespace kolvar::winview {

namespace {

// Quit requests from a console (Ctrl+C, the console closed), where the
// system lets this program have them; without, the window's own close and
// the session's end still stop the column.
std::unique_ptr<platform::QuitRequests> take_quit_requests(const char* program) {
  try {
    return std::make_unique<platform::QuitRequests>();
  } catch (const std::exception& refused) {
    std::fprintf(stderr, "%s: %s\n", program, refused.what());
    return nullptr;
  }
}

}  // namespace

WinToolkit::WinToolkit(Desktop& desktop, Companions& beside, const char* program)
    : desktop_(desktop), beside_(beside), program_(program) {}

std::shared_ptr<void> WinToolkit::show_live_plot(record::RunRecord& record,
                                                 chart::BackgroundChoice& background) {
  auto plot = std::make_shared<LivePlot>(record, desktop_.window().hwnd(), &background);
  beside_.add(plot->window().hwnd());
  return plot;
}

void WinToolkit::edit_note(journal::NoteBook& notes) {
  if (note_ && note_->open()) {
    SetForegroundWindow(note_->hwnd());
    return;
  }
  // A closed editor is made anew: it opens the note that is current now.
  note_.reset();
  note_ = std::make_unique<NoteWindow>(desktop_.window().hwnd(), notes);
}

int WinToolkit::run() {
  const auto quit = take_quit_requests(program_);
  desktop_.start();
  desk::TestSeam::click_asked(desktop_);
  return run_message_loop([&] {
    std::vector<Watch> watches = desktop_.watches();
    watches.push_back(inbox_.watch());
    if (quit)
      watches.push_back({quit->handle(), [&] {
                           quit->take();
                           desktop_.end();
                         }});
    return watches;
  });
}

}  // namespace kolvar::winview
