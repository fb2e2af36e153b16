#pragma once
// The web page of a Win32 window program (kolvar.exe, kolvar-sim.exe without
// --headless).
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/time/wait_handle.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "remote/live_page.h"
#include "remote/web_plan.h"
#include "winview/desktop.h"
#include "winview/message_loop.h"

namespace kolvar::app {

class WinWebPage {
 public:
  // The page that the command line or the remote settings file asks for,
  // serving, its address printed on standard output as "web: …"; none when
  // neither asks. A page that cannot be guarded or bound is not served:
  // asked for on the command line, the program ends (status 2 in
  // `exit_status`, the reason on standard error after `program`); asked for
  // by the file alone, the window says why.
  static std::unique_ptr<WinWebPage> open(winview::Desktop& desktop, record::RunRecord& record,
                                          const remote::WebCommandLine& command_line,
                                          const platform::WallClock& wall, const char* program,
                                          int& exit_status);
  ~WinWebPage();
  WinWebPage(const WinWebPage&) = delete;
  WinWebPage& operator=(const WinWebPage&) = delete;

  // What the message loop waits on for the page: the stop the server's
  // thread hands over, run in the loop as the operator's input would be.
  winview::Watch watch();
  const std::string& url() const { return page_->url(); }

 private:
  explicit WinWebPage(winview::Desktop& desktop);
  void post(std::function<void()> work);
  void run_posted();

  winview::Desktop& desktop_;
  platform::WaitHandle arrived_;
  std::mutex mutex_;
  std::vector<std::function<void()>> work_;
  // Last, so its server's thread ends before what it posts to goes.
  std::unique_ptr<remote::LivePage> page_;
};

}  // namespace kolvar::app
