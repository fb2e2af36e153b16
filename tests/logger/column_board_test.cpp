#include "logger/column_board.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "logger/logger_loop.h"

namespace kolvar::logger {
namespace {

TEST(ColumnBoard, ReadingsAgeIntoBlanksAfterTheTimeout) {
  ColumnBoard board(3000);
  board.report(1, 20500, 1000);
  board.report(3, -10062, 2500);
  EXPECT_EQ(board.values(4000), (Values{{20500, {}, -10062, {}, {}}}));
  EXPECT_EQ(board.values(4001), (Values{{{}, {}, -10062, {}, {}}}));
  EXPECT_EQ(board.values(5501), (Values{{}}));
  board.report(1, 21000, 6000);  // the source is back
  EXPECT_EQ(board.values(6000)[0], 21000);
}

TEST(ColumnBoard, ImplausibleOrFailedReadingsBlankAtOnce) {
  ColumnBoard board(10000);
  for (int column = 1; column <= 5; ++column) board.report(column, 20000, 0);
  board.report(1, -127000, 1);  // a sensor that does not answer
  board.report(2, 125001, 1);
  board.report(3, -55001, 1);
  board.report(4, std::nullopt, 1);
  board.report(5, -55000, 1);
  EXPECT_EQ(board.values(1), (Values{{{}, {}, {}, {}, -55000}}));
  board.report(0, 20000, 1);  // no such column: nothing happens
  board.report(6, 20000, 1);
  EXPECT_EQ(board.values(1), (Values{{{}, {}, {}, {}, -55000}}));
}

// 85.000 counts when the column was just near it, and only while that
// reading is still fresh: a sensor that went silent and comes back at 85
// has lost power.
TEST(ColumnBoard, PowerOnValueNeedsAFreshNeighbour) {
  ColumnBoard board(3000);
  board.report(1, 85000, 0);
  EXPECT_EQ(board.values(0)[0], std::nullopt);
  board.report(1, 84000, 1000);
  board.report(1, 85000, 2000);
  EXPECT_EQ(board.values(2000)[0], 85000);
  board.report(1, 85000, 4000);
  EXPECT_EQ(board.values(4000)[0], 85000) << "85 after an accepted 85 that is fresh";
  board.report(1, 85000, 7001);  // the last one is stale by now
  EXPECT_EQ(board.values(7001)[0], std::nullopt);
}

// A source that reports a fixed reading before each line, counting its
// calls, and one that listens between lines.
struct Fixed : Source {
  void before_line(ColumnBoard& board, platform::Millis now) override {
    ++reads;
    board.report(1, 20000, now);
  }
  int reads = 0;
};

struct Listener : Source {
  void take(ColumnBoard& board, platform::Millis now, int wait_ms) override {
    given_waits.push_back(wait_ms);
    if (value) board.report(2, *value, now);
  }
  bool listens() const override { return true; }
  bool waits() const override { return can_wait; }
  std::optional<int> value;
  bool can_wait = true;
  std::vector<int> given_waits;
};

TEST(LoggerLoop, OneLineAnIntervalAndLateLinesDoNotCrowd) {
  auto fixed = std::make_unique<Fixed>();
  Fixed& source = *fixed;
  std::vector<std::unique_ptr<Source>> sources;
  sources.push_back(std::move(fixed));
  LoggerLoop loop(std::move(sources), 1000, 3000, 500);
  EXPECT_FALSE(loop.line_if_due(499, {}));
  EXPECT_EQ(loop.line_if_due(500, {1, 2, 3}), "01:02:03 20.000\r\n");
  EXPECT_FALSE(loop.line_if_due(1499, {}));
  EXPECT_EQ(loop.listen(1499), 1) << "nothing listens: idle to the next line";
  EXPECT_TRUE(loop.line_if_due(1500, {}));
  // A line 2.7 s late: the next one an interval after it, not at once.
  EXPECT_TRUE(loop.line_if_due(5200, {}));
  EXPECT_EQ(loop.next_line_at(), 6200);
  EXPECT_FALSE(loop.line_if_due(5300, {}));
  EXPECT_EQ(source.reads, 3);
}

TEST(LoggerLoop, ListeningSourcesFeedTheLineAndOneOfThemWaits) {
  auto waiting = std::make_unique<Listener>();
  auto looking = std::make_unique<Listener>();
  Listener& first = *waiting;
  Listener& second = *looking;
  second.value = 30000;
  second.can_wait = false;
  std::vector<std::unique_ptr<Source>> sources;
  sources.push_back(std::move(waiting));
  sources.push_back(std::move(looking));
  LoggerLoop loop(std::move(sources), 1000, 3000, 0);
  EXPECT_EQ(loop.line_if_due(0, {}), "00:00:00\r\n");
  EXPECT_EQ(loop.listen(0), 0);
  EXPECT_EQ(loop.listen(950), 0);
  EXPECT_EQ(first.given_waits, (std::vector<int>{kListenSliceMs, 50}));
  EXPECT_EQ(second.given_waits, (std::vector<int>{0, 0}));
  EXPECT_EQ(loop.line_if_due(1000, {}), "00:00:00           30.000\r\n");
  // With no source able to wait, the caller idles in slices.
  first.can_wait = false;
  EXPECT_EQ(loop.listen(1000), kListenSliceMs);
  // The listener went silent: its column blanks after the timeout.
  second.value.reset();
  EXPECT_TRUE(loop.line_if_due(2000, {}));
  EXPECT_EQ(loop.line_if_due(4001, {}), "00:00:00\r\n");
}

}  // namespace
}  // namespace kolvar::logger
