#pragma once
// The controller's side of the page: after each cycle and each event it
// takes a snapshot of the column's state and hands it to the hub, and it
// passes the run record's samples on for the plot. It only reads the model.
#include <functional>
#include <memory>
#include <string>

#include "chart/background_choice.h"
#include "form/controller.h"
#include "record/run_listener.h"
#include "record/run_record.h"
#include "web/page_hub.h"

namespace kolvar::remote {

class PagePublisher : public record::RunListener {
 public:
  // The status line under the window, as the program's view words it.
  using StatusLine = std::function<std::string(const form::Controller&)>;

  // Follows `c` and `record` until it goes; all three, and the hub, must
  // live until the controller's last event.
  PagePublisher(form::Controller& c, record::RunRecord& record, PageHub& hub,
                StatusLine status_line, const platform::WallClock& wall);
  ~PagePublisher();
  PagePublisher(const PagePublisher&) = delete;
  PagePublisher& operator=(const PagePublisher&) = delete;

  // A snapshot now (the program's start, before any event).
  void publish_now();
  // Names the run behind the plot in each snapshot, and takes one whenever
  // it changes. `choice` must outlive this.
  void follow_background(chart::BackgroundChoice& choice);

  void run_started(const std::vector<std::string>& settings) override;
  void sample_taken(const record::Sample& sample) override;
  void run_stopped() override;

 private:
  void after_event(const form::Control& source);

  form::Controller& c_;
  record::RunRecord& record_;
  PageHub& hub_;
  StatusLine status_line_;
  const platform::WallClock& wall_;
  RunProgress run_;
  std::shared_ptr<const PageSnapshot> last_;
  std::uint64_t sequence_ = 0;
  chart::BackgroundChoice* background_ = nullptr;
  std::size_t background_listener_ = 0;
  bool attached_ = true;
};

// What the page's "Стоп системы" does, on the controller's thread: the
// window's own button, with the reason that says where it came from. A
// system already stopped is left as it is: a second press on a phone that
// has not caught up yet would otherwise put its own reason over the one the
// operator must read (an overheat, say) and sound the stop again.
void remote_stop(form::Controller& c);

}  // namespace kolvar::remote
