#include "web/page_publisher.h"

#include "core/system_stop.h"
#include "form/names.h"
#include "record/snapshot.h"
#include "ui/commands.h"

namespace kolvar::remote {

namespace {

// Whether a viewer would see any difference; the sequence and the time of
// taking do not count.
bool same_view(const PageSnapshot& a, const PageSnapshot& b) {
  return a.running == b.running && a.stopped == b.stopped && a.stop_reason == b.stop_reason &&
         a.roles == b.roles && a.takeoff == b.takeoff && a.valve_open == b.valve_open &&
         a.share == b.share && a.valve_text == b.valve_text && a.pins == b.pins &&
         a.news == b.news && a.port_status == b.port_status && a.run_time == b.run_time &&
         a.cycles == b.cycles && a.run_seen == b.run_seen && a.record_file == b.record_file &&
         a.background == b.background && a.settings == b.settings;
}

}  // namespace

PagePublisher::PagePublisher(form::Controller& c, record::RunRecord& record, PageHub& hub,
                             StatusLine status_line, const platform::WallClock& wall)
    : c_(c), record_(record), hub_(hub), status_line_(std::move(status_line)), wall_(wall) {
  record_.subscribe(*this);
  c_.after_each_event([this](form::Controller&, const form::Control& source) {
    if (attached_) after_event(source);
  });
}

PagePublisher::~PagePublisher() {
  attached_ = false;
  if (background_) background_->forget(background_listener_);
  record_.unsubscribe(*this);
}

void PagePublisher::follow_background(chart::BackgroundChoice& choice) {
  if (background_) background_->forget(background_listener_);
  background_ = &choice;
  // Chosen in the plot's window, on the controller's thread: the viewers
  // learn of it at once, not at the next cycle (there may be none).
  background_listener_ = choice.listen([this] {
    try {
      publish_now();
    } catch (const std::exception&) {
    }
  });
}

void PagePublisher::publish_now() {
  auto snapshot = std::make_shared<PageSnapshot>(
      take_page_snapshot(c_, run_, status_line_ ? status_line_(c_) : std::string(),
                         last_ ? last_->settings : nullptr));
  if (background_)
    if (const auto behind = background_->current()) snapshot->background = behind->label;
  if (last_ && same_view(*last_, *snapshot)) return;
  snapshot->sequence = ++sequence_;
  snapshot->wall = wall_.now();
  last_ = snapshot;
  hub_.publish(std::move(snapshot));
}

void PagePublisher::after_event(const form::Control& source) {
  // Whatever goes wrong here must not reach the controller's event loop.
  try {
    if (record::is_cycle_timer(source)) ++run_.cycles;
    publish_now();
  } catch (const std::exception&) {
  }
}

void PagePublisher::run_started(const std::vector<std::string>& settings) {
  run_ = RunProgress{};
  run_.seen = true;
  hub_.run_started(settings);
}

void PagePublisher::sample_taken(const record::Sample& sample) {
  run_.run_time = sample.since_start;
  run_.record_file = record_.file().generic_string();
  hub_.sample_taken(sample);
}

void PagePublisher::run_stopped() {
  hub_.run_stopped();
}

void remote_stop(form::Controller& c) {
  if (!c.c(ctl::Timer1).on()) return;
  c.act_as(c.c(ctl::Stop_sys_button), [&c] { ui::operator_stop(c, core::kRemoteStopReason); });
}

}  // namespace kolvar::remote
