// A real server on loopback on a port the system chose: what a client on
// the wire gets. Every wait has a deadline; nothing sleeps for a fixed time.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "web/http_client.h"
#include "web/web_server.h"

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
  explicit ServerRig(Guard guard = {}, bool may_stop = false,
                     const std::function<void(ServerOptions&)>& more = {}) {
    if (may_stop) hub.set_stop([this] { ++stops; });
    hub.publish(snapshot(1, "20.00"));
    ServerOptions options;
    options.address = {"127.0.0.1", 0};
    options.guard = std::move(guard);
    if (more) more(options);
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

// Sends `text` on a connection of its own: the status of the answer, and
// whether the server closed the connection after it.
std::pair<int, bool> answer_and_close(ServerRig& rig, const std::string& text) {
  Connection c(rig.server->port());
  c.send(text);
  const int status = status_of(c.answer());
  c.read_until([](const std::string&) { return false; });
  return {status, c.closed()};
}

TEST(WebServer, OversizedOrMalformedRequestsAreAnsweredAndClosed) {
  ServerRig rig;
  const std::string huge_header =
      request("GET", "/api/state", "X-Big: " + std::string(20000, 'a') + "\r\n");
  EXPECT_EQ(status_of(rig.ask(huge_header)), 413);
  const std::string huge_body =
      "POST /api/stop HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 100000\r\n\r\n" +
      std::string(100000, 'x');
  EXPECT_EQ(status_of(rig.ask(huge_body)), 413);
  const std::pair<int, bool> refused400{400, true};
  EXPECT_EQ(answer_and_close(rig, "GARBAGE\r\n\r\n"), refused400);
  EXPECT_EQ(answer_and_close(rig, request("GET", "/", std::string("X-A: a\0b\r\n", 9))),
            refused400);
  EXPECT_EQ(answer_and_close(rig, request("POST", "/api/stop",
                                          "Content-Length: 4\r\nTransfer-Encoding: chunked\r\n")),
            refused400);
  EXPECT_EQ(answer_and_close(rig, request("GET", "/", "Host: evil.example\r\n")), refused400);
  EXPECT_EQ(answer_and_close(rig, "GET / HTTP/2.0\r\nHost: 127.0.0.1\r\n\r\n"),
            (std::pair<int, bool>{505, true}));
  // A chunked body is read to its end, and the next request follows it.
  Connection c(rig.server->port());
  c.send(request("POST", "/api/state", "Transfer-Encoding: chunked\r\n") + "3\r\nabc\r\n0\r\n\r\n" +
         request("GET", "/api/state"));
  const std::string both = c.read_until(
      [](const std::string& text) { return text.find("HTTP/1.1 200") != std::string::npos; });
  EXPECT_EQ(status_of(both), 405);
  EXPECT_TRUE(has(both, "HTTP/1.1 200"));
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

TEST(WebServer, ListsThePastRunsOfItsFolderAndServesOnlyThose) {
  namespace fs = std::filesystem;
  kolvar::testing::TempFolder folder;
  const fs::path runs = folder.file("runs");
  fs::create_directory(runs);
  const std::string first =
      kolvar::testing::read_bytes(fs::path(KOLVAR_TEST_DIR) / "chart/data/short_run.csv");
  std::string second = first;
  for (std::size_t at; (at = second.find("2026-12-01")) != std::string::npos;)
    second.replace(at, 10, "2026-12-02");
  kolvar::testing::write_bytes(runs / "2026-12-01_21-00-00.csv", first);
  kolvar::testing::write_bytes(runs / "2026-12-02_21-00-00.csv", second);
  kolvar::testing::write_bytes(runs / "2026-12-02_21-00-00.txt",
                               "charge: 20 l\n\nВторой, на меньшей мощности\n");
  kolvar::testing::write_bytes(runs / "notes.csv", "no record\n");
  kolvar::testing::write_bytes(folder.file("secret.csv"), first);

  ServerRig rig({}, false, [&](ServerOptions& o) { o.runs = runs; });
  const std::string list = rig.ask(request("GET", "/api/runs"));
  EXPECT_EQ(status_of(list), 200);
  const std::size_t newer = list.find("\"name\":\"2026-12-02_21-00-00.csv\"");
  const std::size_t older = list.find("\"name\":\"2026-12-01_21-00-00.csv\"");
  ASSERT_NE(newer, std::string::npos) << list;
  ASSERT_NE(older, std::string::npos) << list;
  EXPECT_LT(newer, older);
  EXPECT_TRUE(has(list, "\"note\":\"Второй, на меньшей мощности\""));
  EXPECT_TRUE(has(list, "\"start\":\"2026-12-01 21:00:00\",\"duration_s\":17602,"));
  EXPECT_FALSE(has(list, "notes.csv"));

  const std::string record = rig.ask(request("GET", "/api/runs/2026-12-01_21-00-00.csv"));
  EXPECT_EQ(status_of(record), 200);
  EXPECT_TRUE(has(record, "Content-Type: text/csv; charset=utf-8"));
  EXPECT_TRUE(record.ends_with("\r\n\r\n" + first));
  for (const char* target :
       {"/api/runs/..%2Fsecret.csv", "/api/runs/../secret.csv", "/api/runs/secret.csv",
        "/api/runs/notes.csv", "/api/runs/2026-12-02_21-00-00.txt"})
    EXPECT_EQ(status_of(rig.ask(request("GET", target))), 404) << target;

  // Before the first run there is no folder: an empty journal.
  ServerRig fresh({}, false, [&](ServerOptions& o) { o.runs = folder.file("none"); });
  EXPECT_TRUE(fresh.ask(request("GET", "/api/runs")).ends_with("{\"runs\":[]}"));

  ServerRig keyed(Guard{kServerToken, true}, false, [&](ServerOptions& o) { o.runs = runs; });
  EXPECT_EQ(status_of(keyed.ask(request("GET", "/api/runs"))), 401);
  EXPECT_EQ(status_of(keyed.ask(request("GET", "/api/runs/2026-12-01_21-00-00.csv"))), 401);
  EXPECT_EQ(status_of(keyed.ask(request(
                "GET", std::string("/api/runs/2026-12-01_21-00-00.csv?token=") + kServerToken))),
            200);
}

TEST(WebServer, IdleStrangersNeverLockTheOperatorOut) {
  ServerRig rig(Guard{kServerToken, true});
  // Every place taken: by connections that send nothing, and by strangers
  // who ask without the key, each of whom is answered and let go.
  std::vector<std::unique_ptr<Connection>> idle;
  for (int i = 0; i < 48; ++i) idle.push_back(std::make_unique<Connection>(rig.server->port()));
  for (int i = 0; i < 8; ++i) {
    Connection stranger(rig.server->port());
    stranger.send(request("GET", "/api/state"));
    EXPECT_EQ(status_of(stranger.answer()), 401);
    stranger.read_until([](const std::string&) { return false; });
    EXPECT_TRUE(stranger.closed()) << i;
  }
  // The operator still gets in, and keeps the place while it asks.
  Connection operator_(rig.server->port());
  for (int i = 0; i < 3; ++i) {
    operator_.forget();
    operator_.send(request("GET", "/api/state",
                           std::string("Authorization: Bearer ") + kServerToken + "\r\n"));
    EXPECT_EQ(status_of(operator_.answer()), 200) << i;
    Connection newcomer(rig.server->port());  // pushes out a stranger, never the operator
  }
}

TEST(WebServer, AConnectionWithoutAWholeRequestHasAShortLife) {
  std::atomic<platform::Millis> now{0};
  ServerRig rig({}, false, [&](ServerOptions& o) {
    o.now = [&now] { return now.load(); };
    o.room.request_time = 5'000;
    o.sweep = std::chrono::milliseconds(10);
  });
  Connection slow(rig.server->port());
  slow.send("GET /api/state HTTP/1.1\r\nHo");  // and no more
  Connection idle(rig.server->port());
  idle.send(request("GET", "/api/state"));
  EXPECT_EQ(status_of(idle.answer()), 200);  // then it sends nothing more
  // A round trip: the server's one thread has taken both in by now.
  EXPECT_EQ(status_of(rig.ask(request("GET", "/api/state"))), 200);
  now = 5'000;
  slow.read_until([](const std::string&) { return false; });
  idle.read_until([](const std::string&) { return false; });
  EXPECT_TRUE(slow.closed());
  EXPECT_EQ(status_of(slow.read_until([](auto&) { return true; })), 0);
  EXPECT_TRUE(idle.closed());
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
