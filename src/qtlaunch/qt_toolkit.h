#pragma once
// Qt's side of a desktop program (launch/desktop_program.h), for kolvar and
// kolvar-sim alike: the plot beside the window, work from other threads
// carried into the event loop, and the loop itself with the quit signals.
#include "launch/desktop_program.h"
#include "view/companions.h"
#include "view/desktop.h"
#include "view/thread_inbox.h"

namespace kolvar::qtlaunch {

class QtToolkit : public launch::Toolkit {
 public:
  // Needs a QApplication. The plot goes among `beside`, the windows that
  // keep the main window company.
  QtToolkit(view::Desktop& desktop, view::Companions& beside);

  desk::Desktop& desktop() override { return desktop_; }
  void post(std::function<void()> work) override { inbox_->post(std::move(work)); }
  std::shared_ptr<void> show_live_plot(record::RunRecord& record,
                                       chart::BackgroundChoice& background) override;
  void edit_note(journal::NoteBook& notes) override;
  int run() override;

 private:
  view::Desktop& desktop_;
  view::Companions& beside_;
  // The application's child, so that it outlives whatever posts to it.
  view::ThreadInbox* inbox_;
};

}  // namespace kolvar::qtlaunch
