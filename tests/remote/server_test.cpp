// A real server on loopback on a port the system chose: what a client on
// the wire gets. Every wait has a deadline; nothing sleeps for a fixed time.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

#include "remote/http_client.h"
#include "remote/web_server.h"

namespace kolvar::remote {
namespace {

using testing::Connection;
using testing::request;
using testing::status_of;

constexpr const char* kServerToken = "00112233445566778899aabbccddeeff";

std::shared_ptr<const PageSnapshot> snapshot(std::uint64_t sequence, const std::string& t1) {
  auto s = std::make_shared<PageSnapshot>();
  s->sequence = sequence;
  s->roles[0].text = t1;
  s->running = true;
  return s;
}

struct ServerRig {
  explicit ServerRig(Guard guard = {}, bool may_stop = false, std::size_t viewers = 32) {
    if (may_stop) hub.set_stop([this] { ++stops; });
    hub.publish(snapshot(1, "20.00"));
    ServerOptions options;
    options.address = {"127.0.0.1", 0};
    options.guard = std::move(guard);
    options.max_viewers = viewers;
    server = std::make_unique<WebServer>(hub, options);
  }
  std::string ask(const std::string& text) {
    Connection c(server->port());
    c.send(text);
    return c.answer();
  }

  PageHub hub;
  std::atomic<int> stops{0};
  std::unique_ptr<WebServer> server;
};

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(WebServer, ServesThePageAndTheStateOnAPortOfItsOwn) {
  ServerRig rig;
  EXPECT_NE(rig.server->port(), 0);
  const std::string page = rig.ask(request("GET", "/"));
  EXPECT_EQ(status_of(page), 200);
  EXPECT_TRUE(has(page, "Content-Security-Policy: default-src 'none'; script-src 'self'"));
  EXPECT_TRUE(has(page, "Referrer-Policy: no-referrer"));
  EXPECT_TRUE(has(page, "X-Content-Type-Options: nosniff"));
  const std::string state = rig.ask(request("GET", "/api/state"));
  EXPECT_EQ(status_of(state), 200);
  EXPECT_TRUE(has(state, "\"text\":\"20.00\""));
}

TEST(WebServer, KeepsAConnectionForSeveralRequests) {
  ServerRig rig;
  Connection c(rig.server->port());
  for (int i = 0; i < 3; ++i) {
    c.forget();
    c.send(request("GET", "/api/state"));
    EXPECT_EQ(status_of(c.answer()), 200) << i;
  }
}

TEST(WebServer, OversizedRequestsGet413AndTheServerGoesOn) {
  ServerRig rig;
  const std::string huge_header =
      request("GET", "/api/state", "X-Big: " + std::string(20000, 'a') + "\r\n");
  EXPECT_EQ(status_of(rig.ask(huge_header)), 413);
  const std::string huge_body =
      "POST /api/stop HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 100000\r\n\r\n" +
      std::string(100000, 'x');
  EXPECT_EQ(status_of(rig.ask(huge_body)), 413);
  EXPECT_EQ(status_of(rig.ask("GARBAGE\r\n\r\n")), 0);  // closed without an answer
  EXPECT_EQ(status_of(rig.ask(request("GET", "/api/state"))), 200);
}

TEST(WebServer, WithATokenNothingIsLearntWithoutIt) {
  ServerRig rig(Guard{kServerToken, true});
  const std::string refused = rig.ask(request("GET", "/api/state"));
  EXPECT_EQ(status_of(refused), 401);
  EXPECT_FALSE(has(refused, "20.00"));
  EXPECT_EQ(status_of(rig.ask(request("GET", "/api/state?token=ffff"))), 401);
  EXPECT_EQ(status_of(rig.ask(request("GET", std::string("/api/state?token=") + kServerToken))),
            200);
  EXPECT_EQ(
      status_of(rig.ask(request("GET", "/api/state",
                                std::string("Authorization: Bearer ") + kServerToken + "\r\n"))),
      200);
}

TEST(WebServer, StopIsRefusedWithoutTheAllowanceAndHappensOnceWithIt) {
  const std::string stop =
      request("POST", "/api/stop",
              std::string("Authorization: Bearer ") + kServerToken + "\r\nContent-Length: 0\r\n");
  {
    ServerRig rig(Guard{kServerToken, false}, false);
    EXPECT_EQ(status_of(rig.ask(stop)), 403);
    EXPECT_EQ(rig.stops, 0);
  }
  ServerRig rig(Guard{kServerToken, false}, true);
  EXPECT_EQ(status_of(rig.ask(request("POST", "/api/stop", "Content-Length: 0\r\n"))), 401);
  EXPECT_EQ(status_of(rig.ask(request("OPTIONS", "/api/stop"))), 405);
  EXPECT_EQ(rig.stops, 0);
  EXPECT_EQ(status_of(rig.ask(stop)), 202);
  EXPECT_EQ(rig.stops, 1);
}

// Reads a viewer's stream until it holds `text`.
bool sees(Connection& c, const std::string& text) {
  return has(c.read_until([&](const std::string& got) { return has(got, text); }), text);
}

TEST(WebServer, ViewersGetEachNewStatePushed) {
  ServerRig rig;
  Connection viewer(rig.server->port());
  viewer.send(request("GET", "/api/events"));
  ASSERT_TRUE(sees(viewer, "\"text\":\"20.00\""));
  EXPECT_TRUE(has(viewer.read_until([](auto&) { return true; }), "text/event-stream"));
  rig.hub.publish(snapshot(2, "21.50"));
  EXPECT_TRUE(sees(viewer, "data: {\"sequence\":2,"));
  rig.hub.publish(snapshot(3, "23.25"));
  EXPECT_TRUE(sees(viewer, "\"text\":\"23.25\""));
}

TEST(WebServer, ThirtyTwoViewersAndNoMore) {
  ServerRig rig;
  std::vector<std::unique_ptr<Connection>> viewers;
  for (int i = 0; i < 32; ++i) {
    viewers.push_back(std::make_unique<Connection>(rig.server->port()));
    viewers.back()->send(request("GET", "/api/events"));
    ASSERT_TRUE(sees(*viewers.back(), "data: ")) << i;
  }
  EXPECT_EQ(rig.server->viewers(), 32u);
  EXPECT_EQ(status_of(rig.ask(request("GET", "/api/events"))), 503);
  // The rest of the API still answers.
  EXPECT_EQ(status_of(rig.ask(request("GET", "/api/state"))), 200);
  // A few seconds' worth of cycles: each viewer gets every state.
  for (std::uint64_t n = 2; n <= 20; ++n) rig.hub.publish(snapshot(n, std::to_string(n)));
  for (auto& v : viewers) EXPECT_TRUE(sees(*v, "\"sequence\":20,"));
  // A viewer that left frees its place.
  viewers.pop_back();
  Connection again(rig.server->port());
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (rig.server->viewers() < 32) break;
    Connection probe(rig.server->port());  // a round trip for the server's thread
    probe.send(request("GET", "/api/state"));
    probe.answer();
  }
  again.send(request("GET", "/api/events"));
  EXPECT_TRUE(sees(again, "\"sequence\":20,"));
}

TEST(WebServer, AnAddressInUseIsABindError) {
  ServerRig rig;
  ServerOptions options;
  options.address = {"127.0.0.1", rig.server->port()};
  EXPECT_THROW(WebServer(rig.hub, options), BindError);
  options.address = {"203.0.113.7", 0};  // not this machine's
  EXPECT_THROW(WebServer(rig.hub, options), BindError);
}

}  // namespace
}  // namespace kolvar::remote
