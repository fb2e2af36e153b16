#pragma once
// Win32's side of a desktop program (launch/desktop_program.h), for kolvar
// and kolvar-sim alike: the plot beside the window, work from other threads
// carried into the message loop, and the loop itself with a console's quit
// requests.
#include <memory>

#include "launch/desktop_program.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/note_window.h"
#include "winview/thread_inbox.h"

namespace kolvar::winview {

class WinToolkit : public launch::Toolkit {
 public:
  // The plot goes among `beside`, the windows that keep the main window
  // company. `program` names the program in what it prints.
  WinToolkit(Desktop& desktop, Companions& beside, const char* program);

  desk::Desktop& desktop() override { return desktop_; }
  void post(std::function<void()> work) override { inbox_.post(std::move(work)); }
  std::shared_ptr<void> show_live_plot(record::RunRecord& record,
                                       chart::BackgroundChoice& background) override;
  void edit_note(journal::NoteBook& notes) override;
  // The editor of the note, once "Журнал…" was clicked.
  NoteWindow* note_window() { return note_.get(); }
  int run() override;

 private:
  Desktop& desktop_;
  Companions& beside_;
  const char* program_;
  ThreadInbox inbox_;
  std::unique_ptr<NoteWindow> note_;
};

}  // namespace kolvar::winview
