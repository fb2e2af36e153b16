#include "record/row_writer.h"

#include <utility>

namespace kolvar::record {

RowWriter::RowWriter(platform::AppendFile file, bool durable)
    : file_(std::move(file)), durable_(durable), thread_([this] { loop(); }) {}

RowWriter::~RowWriter() {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
  }
  work_.notify_one();
  thread_.join();
}

void RowWriter::write(std::string row) {
  {
    std::lock_guard lock(mutex_);
    if (queue_.size() >= kMaxQueued) {
      if (!failure_) failure_ = std::make_error_code(std::errc::no_buffer_space);
      return;
    }
    queue_.push_back(std::move(row));
  }
  work_.notify_one();
}

std::optional<std::error_code> RowWriter::take_failure() {
  std::lock_guard lock(mutex_);
  if (!failure_ || failure_taken_) return std::nullopt;
  failure_taken_ = true;
  return failure_;
}

void RowWriter::drain() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

bool RowWriter::idle() {
  std::lock_guard lock(mutex_);
  return queue_.empty() && !writing_;
}

void RowWriter::loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    work_.wait(lock, [this] { return ending_ || !queue_.empty(); });
    if (queue_.empty()) return;  // ending, and everything written
    std::string row = std::move(queue_.front());
    queue_.pop_front();
    writing_ = true;
    lock.unlock();
    const std::error_code error = file_.append(row, durable_);
    lock.lock();
    writing_ = false;
    if (error && !failure_) failure_ = error;
    if (queue_.empty()) done_.notify_all();
  }
}

}  // namespace kolvar::record
