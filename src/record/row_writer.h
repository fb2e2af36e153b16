#pragma once
// A record's rows written on a thread of their own, so a slow disk (an old
// drive that takes tens of milliseconds to sync, a USB stick that stalls for
// seconds) never holds up the control cycle. Rows reach the file whole and in
// the order given; the first failure is kept for the controller's thread to
// report, since only that thread may show a message box.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "platform/files/append_file.h"

namespace kolvar::record {

class RowWriter {
 public:
  // Rows held while the disk does not take them; past this they are dropped
  // (and the drop is a failure), so a dead disk cannot eat the memory.
  static constexpr std::size_t kMaxQueued = 65536;

  RowWriter(platform::AppendFile file, bool durable);
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;
  // Writes what is still queued, then ends the thread.
  ~RowWriter();

  // Never waits for the disk.
  void write(std::string row);
  // The first failure, once; later calls give none.
  std::optional<std::error_code> take_failure();
  // Waits until every row given so far has been written or refused.
  void drain();
  // Whether every row given so far has been written or refused.
  bool idle();

 private:
  void loop();

  platform::AppendFile file_;
  const bool durable_;
  std::mutex mutex_;
  std::condition_variable work_;
  std::condition_variable done_;
  std::deque<std::string> queue_;
  bool writing_ = false;
  bool ending_ = false;
  std::optional<std::error_code> failure_;
  bool failure_taken_ = false;
  std::thread thread_;  // last: starts once everything above is ready
};

}  // namespace kolvar::record
