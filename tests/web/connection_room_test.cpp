// Who holds the server's connections, on time given in: strangers give way,
// and a connection that sends no request has a short life.
#include "web/connection_room.h"

#include <gtest/gtest.h>

namespace kolvar::remote {
namespace {

using Ids = std::vector<ConnectionRoom::Id>;

TEST(ConnectionRoom, StrangersThatWaitGiveWayToANewcomer) {
  ConnectionRoom room({.most = 3, .request_time = 5'000, .answer_time = 30'000});
  EXPECT_TRUE(room.open(1, 0).admitted);
  EXPECT_TRUE(room.open(2, 10).admitted);
  EXPECT_TRUE(room.open(3, 20).admitted);
  // Full: the one that has waited longest for a request goes.
  ConnectionRoom::Opening opening = room.open(4, 30);
  EXPECT_TRUE(opening.admitted);
  EXPECT_EQ(opening.pushed_out, 1u);
  EXPECT_EQ(room.size(), 3u);

  // One that showed the key, one being answered and a viewer never give
  // way; with nobody else left the newcomer is refused.
  room.answering(2, 40);
  room.keyed(2);
  room.waiting(2, 50);
  room.answering(3, 40);
  room.viewing(4);
  opening = room.open(5, 60);
  EXPECT_FALSE(opening.admitted);
  EXPECT_FALSE(opening.pushed_out);
  EXPECT_EQ(room.size(), 3u);

  // A place that frees is taken without pushing anyone.
  room.closed(3);
  opening = room.open(5, 70);
  EXPECT_TRUE(opening.admitted && !opening.pushed_out);
  // The time waited counts from the last answer: 2 (keyed) is not chosen,
  // 5 is the only stranger.
  EXPECT_EQ(room.open(6, 80).pushed_out, 5u);
}

TEST(ConnectionRoom, ARequestMustComeSoonAndAnAnswerBeTaken) {
  ConnectionRoom room({.most = 8, .request_time = 5'000, .answer_time = 30'000});
  room.open(1, 0);      // sends nothing
  room.open(2, 1'000);  // asks, is answered, then idles
  room.answering(2, 2'000);
  room.waiting(2, 3'000);
  room.open(3, 1'000);  // does not take its answer
  room.answering(3, 1'500);
  room.open(4, 0);  // watches the push stream
  room.viewing(4);
  room.open(5, 0);  // showed the key, yet sends nothing more
  room.keyed(5);

  EXPECT_EQ(room.overdue(4'999), Ids{});
  EXPECT_EQ(room.overdue(5'000), (Ids{1, 5}));
  EXPECT_EQ(room.overdue(8'000), (Ids{1, 2, 5}));
  EXPECT_EQ(room.overdue(31'500), (Ids{1, 2, 3, 5}));
  room.closed(1);
  EXPECT_EQ(room.overdue(31'500), (Ids{2, 3, 5}));
}

}  // namespace
}  // namespace kolvar::remote
