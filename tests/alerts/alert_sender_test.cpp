// The delivery thread with channels that answer as a test says: order kept
// through retries, a failing channel told once and its recovery once, and an
// end that does not wait for a channel that never works. The clock stands
// still and retries are due at once, so nothing here waits on time.
#include "alerts/alert_sender.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "letters.h"

namespace kolvar::remote {
namespace {

constexpr long kBound = 20'000;  // a fault would hang; no test takes this long

class FakeChannel : public AlertChannel {
 public:
  FakeChannel(std::string name, int failures) : name_(std::move(name)), failures_(failures) {}
  std::string name() const override { return name_; }
  std::string send(const Letter& letter, const platform::TimeLeft&) override {
    const std::lock_guard lock(mutex_);
    sent_.push_back(std::get<platform::HttpRequest>(letter.body).body);
    if (failures_ == 0) return {};
    if (failures_ > 0) --failures_;
    return "refused";
  }
  void close(long) override { closed_ = true; }
  std::vector<std::string> sent() const {
    const std::lock_guard lock(mutex_);
    return sent_;
  }
  bool closed_ = false;

 private:
  std::string name_;
  int failures_;  // -1: always
  mutable std::mutex mutex_;
  std::vector<std::string> sent_;
};

using testing::letter;

constexpr DeliveryPolicy kAtOnce{
    .capacity = 64, .first_retry = 0, .longest_retry = 0, .give_up_after = 1'000'000};

struct Told {
  std::mutex mutex;
  std::vector<std::string> lines;
  AlertSender::Trouble trouble() {
    return [this](std::size_t, const std::string& name, const std::string& error) {
      const std::lock_guard lock(mutex);
      lines.push_back(name + ":" + error);
    };
  }
};

std::vector<std::unique_ptr<AlertChannel>> both(std::unique_ptr<AlertChannel> first,
                                                std::unique_ptr<AlertChannel> second) {
  std::vector<std::unique_ptr<AlertChannel>> channels;
  channels.push_back(std::move(first));
  channels.push_back(std::move(second));
  return channels;
}

TEST(AlertSender, RetriesKeepTheOrderAndTroubleIsToldOnce) {
  auto a = std::make_unique<FakeChannel>("a", 3);
  auto b = std::make_unique<FakeChannel>("b", 0);
  FakeChannel& fa = *a;
  FakeChannel& fb = *b;
  Told told;
  AlertSender sender(
      both(std::move(a), std::move(b)), kAtOnce, [] { return platform::Millis{0}; },
      told.trouble());
  EXPECT_TRUE(sender.post(letter(0, "a1")));
  EXPECT_TRUE(sender.post(letter(0, "a2")));
  EXPECT_TRUE(sender.post(letter(1, "b1")));
  ASSERT_TRUE(sender.wait_delivered(3, kBound));
  sender.finish(0);
  EXPECT_EQ(fa.sent(), (std::vector<std::string>{"a1", "a1", "a1", "a1", "a2"}));
  EXPECT_EQ(fb.sent(), (std::vector<std::string>{"b1"}));
  EXPECT_EQ(told.lines, (std::vector<std::string>{"a:refused", "a:"}));
  EXPECT_TRUE(fa.closed_ && fb.closed_);
  EXPECT_FALSE(sender.post(letter(1, "late")));
}

TEST(AlertSender, TheBeatGoesAtOnceAndTheEndDoesNotWaitForADeadChannel) {
  auto dead = std::make_unique<FakeChannel>("dead", -1);
  auto beat = std::make_unique<FakeChannel>("beat", 0);
  FakeChannel& fb = *beat;
  platform::HttpRequest ping;
  ping.body = "ping";
  Told told;
  AlertSender sender(
      both(std::move(dead), std::move(beat)),
      {.capacity = 8, .first_retry = 3'600'000, .longest_retry = 3'600'000},
      [] { return platform::Millis{0}; }, told.trouble(), AlertSender::Beat{1, ping, 60'000});
  sender.post(letter(0, "lost"));
  ASSERT_TRUE(sender.wait_delivered(1, kBound));
  sender.finish(0);  // the dead channel's retry is an hour away: no waiting for it
  EXPECT_EQ(fb.sent(), (std::vector<std::string>{"ping"}));
}

// Holds its one send until the test lets it go, as a receiver that hangs.
class HangingChannel : public AlertChannel {
 public:
  std::string name() const override { return "hanging"; }
  std::string send(const Letter&, const platform::TimeLeft&) override {
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return released; });
    return {};
  }
  void release() {
    {
      const std::lock_guard lock(mutex_);
      released = true;
    }
    released_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool released = false;
};

TEST(AlertSender, AChannelThatHangsHoldsUpNoOther) {
  auto hanging = std::make_unique<HangingChannel>();
  auto quick = std::make_unique<FakeChannel>("quick", 0);
  HangingChannel& fh = *hanging;
  FakeChannel& fq = *quick;
  AlertSender sender(
      both(std::move(hanging), std::move(quick)), kAtOnce, [] { return platform::Millis{0}; },
      nullptr);
  sender.post(letter(0, "stuck"));
  sender.post(letter(1, "stop"));
  // The hanging channel has not answered, yet the other's letter went.
  ASSERT_TRUE(sender.wait_delivered(1, kBound));
  EXPECT_EQ(fq.sent(), (std::vector<std::string>{"stop"}));
  fh.release();
  ASSERT_TRUE(sender.wait_delivered(2, kBound));
}

// A receiver that never answers, on a clock of the test's: each try takes
// all the time it is given. The first try is refused at once; the second
// hangs until the sender takes its time away.
class SilentChannel : public AlertChannel {
 public:
  explicit SilentChannel(std::atomic<platform::Millis>& clock) : clock_(clock) {}
  std::string name() const override { return "silent"; }
  std::string send(const Letter& letter, const platform::TimeLeft& left) override {
    std::unique_lock lock(mutex_);
    tries_.push_back({std::get<platform::HttpRequest>(letter.body).body, left()});
    changed_.notify_all();
    if (tries_.size() == 1) return "refused";
    if (tries_.size() == 2) {
      // Asks again while it hangs, as a real channel does; bounded, in
      // case the time never runs out.
      const auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(5);
      while (left() > 0 && std::chrono::steady_clock::now() < bound)
        changed_.wait_for(lock, std::chrono::milliseconds(1));
      cut_short = left() <= 0;
      return "timed out";
    }
    clock_ += left();
    return "timed out";
  }
  void close(long timeout_ms) override { close_ms = timeout_ms; }

  struct Try {
    std::string body;
    platform::Millis left;
    bool operator==(const Try&) const = default;
  };
  // Waits until `n` tries have begun.
  bool tried(std::size_t n) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(kBound),
                             [&] { return tries_.size() >= n; });
  }
  std::vector<Try> tries() {
    const std::lock_guard lock(mutex_);
    return tries_;
  }
  long close_ms = -1;
  bool cut_short = false;

 private:
  std::atomic<platform::Millis>& clock_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Try> tries_;
};

TEST(AlertSender, AtTheEndTheStopGoesFirstAndNoTryOutlastsTheTimeLeft) {
  std::atomic<platform::Millis> clock{0};
  auto silent = std::make_unique<SilentChannel>(clock);
  SilentChannel& channel = *silent;
  std::vector<std::unique_ptr<AlertChannel>> channels;
  channels.push_back(std::move(silent));
  AlertSender sender(
      std::move(channels),
      {.capacity = 8, .attempt = 10'000, .first_retry = 0, .give_up_after = 1'000'000},
      [&clock] { return clock.load(); }, nullptr);
  // A test letter that failed once is being tried again when the run stops.
  sender.post(letter(0, "test"));
  ASSERT_TRUE(channel.tried(2));
  sender.post(letter(0, "stop"));
  sender.finish(8'000);
  // The retry gave way at once; the stop had the whole of the time left,
  // and nothing went on past it.
  using Try = SilentChannel::Try;
  EXPECT_EQ(channel.tries(),
            (std::vector<Try>{{"test", 10'000}, {"test", 10'000}, {"stop", 8'000}}));
  EXPECT_TRUE(channel.cut_short);
  EXPECT_EQ(clock.load(), 8'000);
  EXPECT_EQ(channel.close_ms, 0);
}

}  // namespace
}  // namespace kolvar::remote
