#include "platform/processes/quit_requests.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>

#include <csignal>
#include <stdexcept>

namespace kolvar::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// raise() runs the handler before it returns, so a request is there at once.
bool ready_now(const QuitRequests& requests) {
  pollfd watched{static_cast<int>(requests.handle()), POLLIN, 0};
  return ::poll(&watched, 1, 0) == 1;
}

TEST(QuitRequests, EachSignalRaisedReachesTheLoopInOrder) {
  QuitRequests requests;
  EXPECT_FALSE(ready_now(requests));
  ASSERT_EQ(std::raise(SIGTERM), 0);
  ASSERT_TRUE(ready_now(requests));
  ASSERT_EQ(std::raise(SIGINT), 0);
  ASSERT_EQ(std::raise(SIGHUP), 0);
  EXPECT_THAT(requests.take(), ElementsAre(SIGTERM, SIGINT, SIGHUP));
  EXPECT_FALSE(ready_now(requests)) << "taken requests leave the handle quiet";
  EXPECT_THAT(requests.take(), IsEmpty());
}

TEST(QuitRequests, PutsBackWhatTheSignalsDidBefore) {
  static volatile std::sig_atomic_t counted;
  counted = 0;
  struct sigaction own {};
  own.sa_handler = [](int) { counted = counted + 1; };
  sigemptyset(&own.sa_mask);
  struct sigaction before {};
  ASSERT_EQ(sigaction(SIGHUP, &own, &before), 0);
  {
    QuitRequests requests;
    std::raise(SIGHUP);
    EXPECT_EQ(counted, 0);
    EXPECT_THAT(requests.take(), ElementsAre(SIGHUP));
  }
  std::raise(SIGHUP);
  EXPECT_EQ(counted, 1);
  sigaction(SIGHUP, &before, nullptr);
}

TEST(QuitRequests, OneTakerAtATime) {
  {
    QuitRequests first;
    EXPECT_THROW(QuitRequests second, std::logic_error);
    std::raise(SIGINT);
    EXPECT_THAT(first.take(), ElementsAre(SIGINT)) << "the refused second left the first alone";
  }
  QuitRequests again;  // free once the first is gone
  std::raise(SIGTERM);
  EXPECT_THAT(again.take(), ElementsAre(SIGTERM));
}

}  // namespace
}  // namespace kolvar::platform
