// The queue on virtual time: order per channel, back-off, giving up, bounds.
#include "alerts/delivery_queue.h"

#include <gtest/gtest.h>

#include "letters.h"

namespace kolvar::remote {
namespace {

using testing::letter;

std::string body(const std::optional<Letter>& l) {
  return l ? std::get<platform::HttpRequest>(l->body).body : "(none)";
}

TEST(DeliveryQueue, OrderPerChannelAndAFailingOneHoldsUpNoOther) {
  DeliveryQueue q(2);
  q.add(letter(0, "a1"), 0);
  q.add(letter(0, "a2"), 1);
  q.add(letter(1, "b1"), 2);
  EXPECT_EQ(body(q.take(0, 10)), "a1");
  EXPECT_EQ(body(q.take(0, 10)), "(none)");  // busy with a1
  EXPECT_EQ(body(q.take(1, 10)), "b1");
  EXPECT_EQ(q.failed(0, 10), DeliveryQueue::Retry::Later);
  q.delivered(1);
  // a1 again after its back-off, and a2 only after it.
  EXPECT_EQ(q.next_due(0), 10 + 2000);
  EXPECT_EQ(body(q.take(0, 2009)), "(none)");
  EXPECT_EQ(body(q.take(0, 2010)), "a1");
  q.delivered(0);
  EXPECT_EQ(body(q.take(0, 2010)), "a2");
  q.delivered(0);
  EXPECT_TRUE(q.empty());
  EXPECT_EQ(q.next_due(0), std::nullopt);
}

TEST(DeliveryQueue, BackOffDoublesToItsCeilingThenGivesUp) {
  DeliveryQueue q(
      1, {.capacity = 8, .first_retry = 1000, .longest_retry = 5000, .give_up_after = 20000});
  q.add(letter(0, "x"), 0);
  platform::Millis now = 0;
  std::vector<platform::Millis> waits;
  for (;;) {
    ASSERT_TRUE(q.take(0, now));
    if (q.failed(0, now) == DeliveryQueue::Retry::GaveUp) break;
    waits.push_back(*q.next_due(0) - now);
    now = *q.next_due(0);
  }
  EXPECT_EQ(waits, (std::vector<platform::Millis>{1000, 2000, 4000, 5000, 5000, 5000}));
  EXPECT_EQ(now, 22000);
  EXPECT_TRUE(q.empty());
}

TEST(DeliveryQueue, StatesReplaceEachOtherEventsStayBounded) {
  DeliveryQueue q(1, {.capacity = 3});
  EXPECT_TRUE(q.add(letter(0, "s1", true), 0));
  EXPECT_TRUE(q.add(letter(0, "s2", true), 0));
  EXPECT_EQ(q.size(), 1u);
  ASSERT_EQ(body(q.take(0, 0)), "s2");
  // The state on its way is not replaced; the next one waits behind it.
  EXPECT_TRUE(q.add(letter(0, "s3", true), 0));
  EXPECT_EQ(q.size(), 2u);
  EXPECT_TRUE(q.add(letter(0, "e1"), 0));
  // Full: the oldest waiting state goes for the event; then events are refused.
  EXPECT_TRUE(q.add(letter(0, "e2"), 0));
  EXPECT_EQ(q.size(), 3u);
  EXPECT_FALSE(q.add(letter(0, "e3"), 0));
  EXPECT_FALSE(q.add(letter(0, "s4", true), 0));
  EXPECT_EQ(q.failed(0, 0), DeliveryQueue::Retry::Later);
  EXPECT_FALSE(q.add(letter(5, "nowhere"), 0));

  // A failed state with a newer one behind it is dropped, not retried.
  DeliveryQueue states(1);
  states.add(letter(0, "old", true), 0);
  ASSERT_TRUE(states.take(0, 0));
  states.add(letter(0, "new", true), 0);
  EXPECT_EQ(states.failed(0, 0), DeliveryQueue::Retry::GaveUp);
  EXPECT_EQ(body(states.take(0, 0)), "new");
}

TEST(DeliveryQueue, AtTheEndLettersNeverTriedGoFirst) {
  DeliveryQueue q(1, {.capacity = 8, .first_retry = 1000, .longest_retry = 1000});
  q.add(letter(0, "test"), 0);
  ASSERT_EQ(body(q.take(0, 0)), "test");
  q.failed(0, 0);  // again at 1000
  q.add(letter(0, "stop"), 10);
  q.add(letter(0, "news"), 20);
  EXPECT_EQ(body(q.take(0, 20)), "(none)");  // in order while the program runs
  q.end();
  ASSERT_EQ(body(q.take(0, 20)), "stop");
  EXPECT_FALSE(q.gives_way(0));  // the first try of its letter
  q.failed(0, 20);               // again at 1020
  // The letter never tried goes before the stop that failed; then those
  // that failed as they come due.
  ASSERT_EQ(body(q.take(0, 20)), "news");
  q.failed(0, 20);  // again at 1020 too
  EXPECT_EQ(body(q.take(0, 999)), "(none)");
  ASSERT_EQ(body(q.take(0, 1000)), "test");
  q.failed(0, 1000);
  EXPECT_EQ(body(q.take(0, 1020)), "news");
  q.delivered(0);
  EXPECT_EQ(body(q.take(0, 1020)), "stop");

  // A retry on its way when the program ends gives way to a letter never
  // tried, and only then.
  DeliveryQueue r(1, {.capacity = 8, .first_retry = 0});
  r.add(letter(0, "test"), 0);
  r.take(0, 0);
  r.failed(0, 0);
  r.take(0, 0);
  EXPECT_FALSE(r.gives_way(0));  // nothing behind it
  r.add(letter(0, "stop"), 0);
  EXPECT_FALSE(r.gives_way(0));  // the program goes on
  r.end();
  EXPECT_TRUE(r.gives_way(0));
  r.failed(0, 0);
  EXPECT_EQ(body(r.take(0, 0)), "stop");
}

}  // namespace
}  // namespace kolvar::remote
