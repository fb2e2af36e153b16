#include "record/run_record.h"

#include <algorithm>
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

void RunRecord::subscribe(RunListener& listener) {
  if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
    listeners_.push_back(&listener);
}

void RunRecord::unsubscribe(RunListener& listener) {
  std::erase(listeners_, &listener);
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
      end_file();
      for (RunListener* listener : listeners_) listener->run_stopped();
    }
  } catch (const std::exception& e) {
    report(e.what());
  }
}

void RunRecord::begin(form::Controller& c) {
  end_file();
  std::erase_if(finishing_, [](const auto& writer) { return writer->idle(); });
  running_ = true;
  reported_ = false;
  last_news_.reset();
  started_ = c.os.clock.now();
  started_wall_ = wall_.now();
  const std::vector<std::string> settings = settings_in_force(c.form);
  for (RunListener* listener : listeners_) listener->run_started(settings);
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
    return report(platform::system_reason(error));
  }
  if (options_.background) {
    writer_ = std::make_unique<RowWriter>(std::move(*file_), options_.durable);
    file_.reset();
  }
}

void RunRecord::take_sample(form::Controller& c) {
  Sample sample = record::take_sample(c);
  sample.wall = wall_.now();
  sample.since_start = c.os.clock.now() - started_;
  for (RunListener* listener : listeners_) listener->sample_taken(sample);
  if (write_row(sample_record(sample, last_news_))) last_news_ = sample.news;
}

bool RunRecord::write_row(const std::string& row) {
  if (writer_) {
    if (auto error = writer_->take_failure()) report(platform::system_reason(*error));
    writer_->write(row);
    return true;
  }
  if (!file_) return true;
  if (std::error_code error = file_->append(row, options_.durable)) {
    report(platform::system_reason(error));
    return false;
  }
  return true;
}

void RunRecord::end_file() {
  file_.reset();
  if (writer_) finishing_.push_back(std::move(writer_));
}

void RunRecord::flush() {
  if (writer_) writer_->drain();
  for (auto& writer : finishing_) writer->drain();
}

void RunRecord::report(const std::string& reason) {
  if (reported_) return;
  reported_ = true;
  message_box_.show("Не удалось записать ход работы в \"" + path_.string() + "\": " + reason +
                    ". Управление продолжается.");
}

}  // namespace kolvar::record
