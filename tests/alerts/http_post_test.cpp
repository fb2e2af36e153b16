// The platform's HTTP client against a receiver on loopback that takes the
// connection and never answers: the time left is asked again while the post
// waits, and the post ends as soon as there is none.
#include "platform/http/http_post.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace kolvar::platform {
namespace {

TEST(HttpPost, ANeverAnsweringReceiverIsLeftWhenTheTimeIsTakenAway) {
  // Straight to the receiver, whatever proxy the machine names.
  for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) ::unsetenv(name);
  // Listening, so the connection is made, but nothing is ever read.
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 4), 0);
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);

  HttpRequest request;
  request.url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/hook";
  request.body = "Система остановлена";
  // Ten seconds, until the fifth time it is asked: then none.
  int asked = 0;
  const HttpAnswer answer = http_post(request, [&] { return ++asked < 5 ? 10'000 : 0; });
  EXPECT_EQ(asked, 5);
  EXPECT_EQ(answer.status, 0);
  EXPECT_FALSE(answer.error.empty());
  // No time at all: not even a connection.
  asked = 0;
  EXPECT_EQ(http_post(request, [&] { return ++asked, Millis{0}; }).error, "no time left");
  EXPECT_EQ(asked, 1);
  ::close(listener);
}

}  // namespace
}  // namespace kolvar::platform
