#pragma once
// The record of every run: from each "Старт системы" until the system stops,
// one row per cycle in a CSV file of its own (see record_format.h), in the
// folder "runs" of the working folder, named by the start's local date and
// time ("runs/2024-05-01_10-00-00.csv"; a second start within the same second
// gets "_2", and so on). When the run ends between cycles ("Стоп системы"), a
// last row holds the state after the stop.
//
// The record watches the controller and never gets in the cycle's way: a row
// that cannot be written is reported once per run in a message box, and the
// control goes on.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/controller.h"
#include "platform/files/append_file.h"
#include "platform/time/wall_clock.h"
#include "record/row_writer.h"
#include "record/run_listener.h"
#include "record/sample.h"

namespace kolvar::record {

struct RecordOptions {
  std::filesystem::path folder = "runs";
  // Each row reaches the disk before the cycle goes on, so a power cut loses
  // at most the row being written. Runs on virtual time need not wait for it.
  bool durable = true;
  // Rows go to the disk from a thread of their own (see row_writer.h), so a
  // slow disk never holds up the cycle; a failure is then reported at the
  // next cycle. Off, each row is written before the cycle goes on, which
  // keeps runs on virtual time exactly repeatable.
  bool background = false;
  // How a record's file is made; a test may put a failing device in its place.
  std::function<platform::AppendFile(const std::filesystem::path&)> create =
      platform::AppendFile::create_new;
};

class RunRecord {
 public:
  // Starts watching `c`; both must live until the controller's last event.
  RunRecord(form::Controller& c, const platform::WallClock& wall, RecordOptions options = {});
  RunRecord(const RunRecord&) = delete;
  RunRecord& operator=(const RunRecord&) = delete;

  // `listener` is told of each start, of every row and of each stop from now
  // on, until it leaves; it must leave before it goes, and neither joins nor
  // leaves from within a call it is given.
  void subscribe(RunListener& listener);
  void unsubscribe(RunListener& listener);

  bool running() const { return running_; }
  // Where the runs' files go.
  const std::filesystem::path& folder() const { return options_.folder; }
  // The file of the run under way, or of the last run; empty before the first.
  const std::filesystem::path& file() const { return path_; }
  // Waits until the rows given so far are on the file (tests; with
  // `background` only, otherwise they are there already).
  void flush();

 private:
  void after_event(form::Controller& c, const form::Control& source);
  void begin(form::Controller& c);
  void take_sample(form::Controller& c);
  void open_file(const std::vector<std::string>& settings);
  void report(const std::string& reason);
  // False when the row was refused (written in place only).
  bool write_row(const std::string& row);
  void end_file();

  platform::MessageBox& message_box_;
  const platform::WallClock& wall_;
  RecordOptions options_;
  std::vector<RunListener*> listeners_;

  bool running_ = false;
  platform::Millis started_ = 0;
  platform::LocalTime started_wall_{};
  std::optional<platform::AppendFile> file_;
  std::unique_ptr<RowWriter> writer_;
  // Writers of ended runs still putting their last rows on a slow disk: a
  // stop never waits for them.
  std::vector<std::unique_ptr<RowWriter>> finishing_;
  std::filesystem::path path_;
  std::optional<std::string> last_news_;
  bool reported_ = false;
};

}  // namespace kolvar::record
