#include "record/run_record.h"

#include <exception>
#include <system_error>

#include "platform/system_reason.h"
#include "record/record_format.h"
#include "record/snapshot.h"

namespace kolvar::record {

namespace {
// Starts within one second share a stamp; past this many something is wrong.
constexpr int kMaxSameSecond = 1000;
}  // namespace

RunRecord::RunRecord(form::Controller& c, const platform::WallClock& wall, RecordOptions options)
    : message_box_(c.os.message_box), wall_(wall), options_(std::move(options)) {
  c.after_each_event(
      [this](form::Controller& c, const form::Control& source) { after_event(c, source); });
}

void RunRecord::on_start(std::function<void(const std::vector<std::string>&)> listener) {
  start_listeners_.push_back(std::move(listener));
}

void RunRecord::on_sample(std::function<void(const Sample&)> listener) {
  sample_listeners_.push_back(std::move(listener));
}

void RunRecord::after_event(form::Controller& c, const form::Control& source) {
  // Nothing the record does may reach the event loop: the control goes on.
  try {
    if (is_start_command(source) && cycle_running(c.form)) return begin(c);
    if (!running_) return;
    const bool stopped = !cycle_running(c.form);
    if (is_cycle_timer(source) || stopped) take_sample(c);
    if (stopped) {
      running_ = false;
      file_.reset();
    }
  } catch (const std::exception& e) {
    report(e.what());
  }
}

void RunRecord::begin(form::Controller& c) {
  file_.reset();
  running_ = true;
  reported_ = false;
  last_news_.reset();
  started_ = c.os.clock.now();
  started_wall_ = wall_.now();
  const std::vector<std::string> settings = settings_in_force(c.form);
  for (auto& listener : start_listeners_) listener(settings);
  open_file(settings);
}

void RunRecord::open_file(const std::vector<std::string>& settings) {
  std::error_code ec;
  std::filesystem::create_directories(options_.folder, ec);
  const std::string stamp = platform::file_stamp(started_wall_);
  for (int n = 1; !file_; ++n) {
    path_ = options_.folder / (stamp + (n == 1 ? "" : "_" + std::to_string(n)) + ".csv");
    try {
      file_ = options_.create(path_);
    } catch (const std::system_error& e) {
      if (e.code() != std::errc::file_exists || n == kMaxSameSecond)
        return report(platform::system_reason(e.code()));
    }
  }
  // A record without its opening could not be read back: it is all or nothing.
  if (std::error_code error = file_->append(record_opening(settings), options_.durable)) {
    file_.reset();
    std::filesystem::remove(path_, ec);
    report(platform::system_reason(error));
  }
}

void RunRecord::take_sample(form::Controller& c) {
  Sample sample = record::take_sample(c.form);
  sample.wall = wall_.now();
  sample.since_start = c.os.clock.now() - started_;
  for (auto& listener : sample_listeners_) listener(sample);
  if (!file_) return;
  if (std::error_code error = file_->append(sample_record(sample, last_news_), options_.durable))
    return report(platform::system_reason(error));
  last_news_ = sample.news;
}

void RunRecord::report(const std::string& reason) {
  if (reported_) return;
  reported_ = true;
  message_box_.show("Не удалось записать ход работы в \"" + path_.string() + "\": " + reason +
                    ". Управление продолжается.");
}

}  // namespace kolvar::record
