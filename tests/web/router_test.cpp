// The guard and the routes, without a socket: what each request is answered.
#include "web/router.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "web/state_json.h"

namespace kolvar::remote {
namespace {

constexpr const char* kToken = "0123456789abcdef0123456789abcdef";

class FakeData : public PageData {
 public:
  FakeData() {
    auto s = std::make_shared<PageSnapshot>();
    s->sequence = 7;
    s->roles[0].text = "88.3";
    s->record_file = "runs/a.csv";
    s->settings = std::make_shared<const std::vector<std::string>>(
        std::vector<std::string>{"0", "keeper.log"});
    snapshot = s;
  }
  std::shared_ptr<const PageSnapshot> latest() override { return snapshot; }
  std::string plot_svg(chart::Size size) override {
    asked_plot = size;
    return "<svg/>";
  }
  std::optional<std::string> record_csv(const std::string& file,
                                        std::uint64_t most_bytes) override {
    csv_file = file;
    if (csv_bytes > most_bytes + 1) ADD_FAILURE() << "read past what tells it is too large";
    return csv_bytes ? std::string(csv_bytes, 'x') : std::string("a,b\r\n");
  }
  std::optional<std::vector<journal::RunEntry>> runs() override {
    if (!runs_readable) return std::nullopt;
    return listed;
  }
  bool can_stop() override { return may_stop; }
  bool request_stop() override {
    if (!may_stop) return false;
    ++stops;
    return true;
  }

  std::shared_ptr<const PageSnapshot> snapshot;
  bool may_stop = false;
  int stops = 0;
  chart::Size asked_plot{0, 0};
  std::string csv_file;
  std::uint64_t csv_bytes = 0;  // 0: a small record
  std::vector<journal::RunEntry> listed = {{"runs/2024-05-02_09-00-00.csv", {}, "второй"},
                                           {"runs/2024-05-01_10-00-00.csv", {}, ""}};
  bool runs_readable = true;
};

Request get(std::string target, std::string authorization = "") {
  return {"GET", std::move(target), std::move(authorization), "127.0.0.1:8080", 0};
}

const Guard kOpen{};                    // this machine, no stop
const Guard kLocalStop{kToken, false};  // this machine, stop allowed
const Guard kNetwork{kToken, true};     // served beyond this machine

TEST(Router, EachPathOfThePageAndTheApi) {
  struct Case {
    const char* target;
    int status;
    const char* type;
  };
  const Case cases[] = {
      {"/", 200, "text/html; charset=utf-8"},
      {"/index.html", 200, "text/html; charset=utf-8"},
      {"/page.js", 200, "text/javascript; charset=utf-8"},
      {"/page.css", 200, "text/css; charset=utf-8"},
      {"/api/state", 200, "application/json"},
      {"/api/events", 200, "text/event-stream"},
      {"/api/settings", 200, "application/json"},
      {"/api/record.csv", 200, "text/csv; charset=utf-8"},
      {"/api/runs", 200, "application/json"},
      {"/api/runs/2024-05-01_10-00-00.csv", 200, "text/csv; charset=utf-8"},
      {"/api/plot.svg?w=500&h=300", 200, "image/svg+xml"},
      {"/nothing", 404, "text/plain; charset=utf-8"},
      {"/api/", 404, "text/plain; charset=utf-8"},
      {"/page.js/", 404, "text/plain; charset=utf-8"},
  };
  for (const Case& c : cases) {
    FakeData data;
    const Response r = route(get(c.target), kOpen, data);
    EXPECT_EQ(r.status, c.status) << c.target;
    EXPECT_EQ(r.content_type, c.type) << c.target;
  }
}

TEST(Router, PathsNeverReachTheFileSystem) {
  // Whatever a path names, only compiled-in files and the run's own record
  // answer; the record is the one the snapshot names.
  for (const char* target : {"/../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/etc/passwd",
                             "//etc/passwd", "/api/record.csv/../../etc/passwd", "/page.js%00.html",
                             "/./page.js", "/PAGE.JS", "/mytunes.log", "/kolvar-web.conf"}) {
    FakeData data;
    EXPECT_EQ(route(get(target), kOpen, data).status, 404) << target;
    EXPECT_EQ(data.csv_file, "") << target;
  }
  FakeData data;
  route(get("/api/record.csv?file=/etc/passwd"), kOpen, data);
  EXPECT_EQ(data.csv_file, "runs/a.csv");
}

TEST(Router, APastRunIsServedOnlyByANameTheListingGives) {
  FakeData data;
  const Response list = route(get("/api/runs"), kOpen, data);
  EXPECT_EQ(list.body.find("{\"runs\":[{\"name\":\"2024-05-02_09-00-00.csv\""), 0u);
  EXPECT_NE(list.body.find("\"note\":\"второй\""), std::string::npos);

  const Response one = route(get("/api/runs/2024-05-01_10-00-00.csv"), kOpen, data);
  EXPECT_EQ(one.status, 200);
  EXPECT_EQ(data.csv_file, "runs/2024-05-01_10-00-00.csv");
  EXPECT_EQ(one.headers.at(0).second, "attachment; filename=\"2024-05-01_10-00-00.csv\"");

  for (const char* target :
       {"/api/runs/2024-05-03_10-00-00.csv", "/api/runs/", "/api/runs/..",
        "/api/runs/../kolvar-web.conf", "/api/runs/..%2Fkolvar-web.conf",
        "/api/runs/%2E%2E%2Fkolvar-web.conf", "/api/runs//etc/passwd",
        "/api/runs/runs/2024-05-01_10-00-00.csv", "/api/runs/./2024-05-01_10-00-00.csv",
        "/api/runs/2024-05-01_10-00-00.csv/", "/api/runs/2024-05-01_10-00-00",
        "/api/runs/2024-05-01_10-00-00.CSV", "/api/runs/2024-05-01_10-00-00%2Ecsv",
        "/api/runs/C:%5Cruns%5C2024-05-01_10-00-00.csv"}) {
    FakeData refused;
    EXPECT_EQ(route(get(target), kOpen, refused).status, 404) << target;
    EXPECT_EQ(refused.csv_file, "") << target;
  }

  // Too large is not sent, as the current record is not.
  data.csv_bytes = kMostRecordBytes + 1;
  EXPECT_EQ(route(get("/api/runs/2024-05-01_10-00-00.csv"), kOpen, data).status, 404);
  // A folder that cannot be read is no empty journal.
  data.runs_readable = false;
  EXPECT_EQ(route(get("/api/runs"), kOpen, data).status, 503);
  EXPECT_EQ(route(get("/api/runs/2024-05-01_10-00-00.csv"), kOpen, data).status, 503);

  // The page's key guards the runs as the rest.
  FakeData guarded;
  for (const char* target : {"/api/runs", "/api/runs/2024-05-01_10-00-00.csv"}) {
    EXPECT_EQ(route(get(target), kNetwork, guarded).status, 401) << target;
    EXPECT_EQ(route(get(target, "Bearer " + std::string(kToken)), kNetwork, guarded).status, 200)
        << target;
  }
  EXPECT_EQ(route({"GET", "/api/runs", "", "evil.example", 0}, kOpen, guarded).status, 403);
  EXPECT_EQ(guarded.csv_file, "runs/2024-05-01_10-00-00.csv");
}

TEST(Router, OnlyGetAndTheOnePost) {
  for (const char* method :
       {"HEAD", "OPTIONS", "PUT", "DELETE", "PATCH", "TRACE", "CONNECT", "get", ""}) {
    FakeData data;
    data.may_stop = true;
    const Response r = route({method, "/api/stop", "Bearer " + std::string(kToken), "127.0.0.1", 0},
                             kLocalStop, data);
    EXPECT_EQ(r.status, 405) << method;
    EXPECT_EQ(data.stops, 0) << method;
  }
  FakeData data;
  EXPECT_EQ(route({"POST", "/api/state", "", "127.0.0.1", 0}, kOpen, data).status, 405);
  EXPECT_EQ(route(get("/api/stop"), kOpen, data).status, 405);
}

TEST(Router, TooLargeIs413) {
  FakeData data;
  data.may_stop = true;
  Request r{"POST", "/api/stop", "Bearer " + std::string(kToken), "127.0.0.1", kMaxBodyBytes + 1};
  EXPECT_EQ(route(r, kLocalStop, data).status, 413);
  EXPECT_EQ(data.stops, 0);
  EXPECT_EQ(route(get("/api/state?" + std::string(kMaxHeaderBytes, 'x')), kOpen, data).status, 413);
}

TEST(Router, BeyondThisMachineEveryRequestNeedsTheToken) {
  const std::string good = kToken;
  const std::string wrong = "0123456789abcdef0123456789abcdee";
  struct Case {
    std::string target;
    std::string authorization;
    int status;
  };
  const std::vector<Case> cases = {
      {"/", "", 401},
      {"/api/state", "", 401},
      {"/nothing", "", 401},  // not even whether a path exists
      {"/api/state?token=" + wrong, "", 401},
      {"/api/state?token=" + good.substr(0, 31), "", 401},
      {"/api/state?token=" + good + "0", "", 401},
      {"/api/state?token=", "", 401},
      {"/api/state?token", "", 401},
      {"/api/state", "Bearer " + wrong, 401},
      {"/api/state", "Basic " + good, 401},
      {"/api/state", good, 401},
      {"/api/state?tok=" + good, "", 401},
      {"/api/state?token=" + good, "", 200},
      {"/api/state?a=1&token=" + good + "&b=2", "", 200},
      {"/api/state", "Bearer " + good, 200},
      {"/nothing?token=" + good, "", 404},
  };
  for (const Case& c : cases) {
    FakeData data;
    const Response r = route(get(c.target, c.authorization), kNetwork, data);
    EXPECT_EQ(r.status, c.status) << c.target << " / " << c.authorization;
    if (r.status == 401) {
      EXPECT_EQ(r.body, "Unauthorized\n");
      EXPECT_EQ(r.kind, Kind::Whole);
    }
  }
}

TEST(Router, ThePageCarriesItsKeyToItsOwnFiles) {
  FakeData data;
  const Response page = route(get(std::string("/?token=") + kToken), kNetwork, data);
  EXPECT_NE(page.body.find(std::string("page.js?token=") + kToken), std::string::npos);
  EXPECT_EQ(page.body.find("{{"), std::string::npos);
  const Response open = route(get("/"), kOpen, data);
  EXPECT_NE(open.body.find("\"page.js\""), std::string::npos);
  EXPECT_NE(open.body.find("data-stop=\"no\""), std::string::npos);
  // No script in the page itself: the policy allows the page's own file only.
  EXPECT_EQ(open.body.find("<script>"), std::string::npos);
}

TEST(Router, StopNeedsTheAllowanceAndTheTokenInAHeader) {
  const std::string bearer = "Bearer " + std::string(kToken);
  struct Case {
    Guard guard;
    bool may_stop;
    std::string target;
    std::string authorization;
    int status;
  };
  const std::vector<Case> cases = {
      // Not allowed: refused as not allowed, whatever the request carries.
      {kOpen, false, "/api/stop", "", 403},
      {kLocalStop, false, "/api/stop", "", 403},
      {kLocalStop, false, "/api/stop", bearer, 403},
      // Allowed: the header alone counts, never the address.
      {kLocalStop, true, "/api/stop", "", 401},
      {kLocalStop, true, std::string("/api/stop?token=") + kToken, "", 401},
      {kLocalStop, true, "/api/stop", "Bearer 00", 401},
      {kLocalStop, true, "/api/stop", bearer, 202},
      {kNetwork, true, std::string("/api/stop?token=") + kToken, "", 401},
      {kNetwork, true, "/api/stop", bearer, 202},
  };
  for (const Case& c : cases) {
    FakeData data;
    data.may_stop = c.may_stop;
    const Response r = route({"POST", c.target, c.authorization, "127.0.0.1", 0}, c.guard, data);
    EXPECT_EQ(r.status, c.status) << c.target << " / " << c.authorization;
    EXPECT_EQ(data.stops, c.status == 202 ? 1 : 0);
  }
}

TEST(Router, ThisMachineOnlyAnswersToItsOwnNames) {
  for (const char* host : {"127.0.0.1:8080", "127.0.0.1", "localhost:80", "localhost", "[::1]:8080",
                           "127.1.2.3:1", "LOCALHOST", "LocalHost:8080"}) {
    FakeData data;
    EXPECT_EQ(route({"GET", "/api/state", "", host, 0}, kOpen, data).status, 200) << host;
  }
  // Another site's name pointed at 127.0.0.1 (DNS rebinding) learns nothing.
  for (const char* host : {"evil.example:8080", "127.evil.example", "", "127.0.0.1.nip.io",
                           "[::2]:80", "10.0.0.1:8080"}) {
    FakeData data;
    EXPECT_EQ(route({"GET", "/api/state", "", host, 0}, kOpen, data).status, 403) << host;
  }
  // With the token, any name: the key is the guard.
  FakeData data;
  EXPECT_EQ(route({"GET", std::string("/api/state?token=") + kToken, "", "192.168.1.5:8080", 0},
                  kNetwork, data)
                .status,
            200);
}

TEST(Router, ARefusalEndsItsConnection) {
  // A stranger who asks again and again holds no place by it.
  FakeData data;
  const Response refused = route(get("/api/state"), kNetwork, data);
  EXPECT_EQ(refused.status, 401);
  EXPECT_TRUE(ends_connection(refused.status));
  EXPECT_TRUE(ends_connection(route({"GET", "/", "", "evil.example", 0}, kOpen, data).status));
  for (const int status : {400, 413, 503, 505}) EXPECT_TRUE(ends_connection(status)) << status;
  // A client's honest slip keeps it.
  for (const int status : {200, 202, 404, 405}) EXPECT_FALSE(ends_connection(status)) << status;
  EXPECT_FALSE(carries_key(get("/api/state"), kNetwork));
  EXPECT_TRUE(carries_key(get(std::string("/api/state?token=") + kToken), kNetwork));
  EXPECT_TRUE(carries_key(get("/", "Bearer " + std::string(kToken)), kLocalStop));
  EXPECT_FALSE(carries_key(get(std::string("/?token=") + kToken), kOpen));
}

TEST(Router, PlotSizeIsKeptWithinBounds) {
  struct Case {
    const char* query;
    chart::Size size;
  };
  const Case cases[] = {{"", {800, 400}},
                        {"?w=390&h=260", {390, 260}},
                        {"?w=1&h=1", {200, 150}},
                        {"?w=99999999999&h=-5", {800, 150}},
                        {"?w=abc&h=12x", {800, 400}}};
  for (const Case& c : cases) {
    FakeData data;
    route(get(std::string("/api/plot.svg") + c.query), kOpen, data);
    EXPECT_EQ(data.asked_plot, c.size) << c.query;
  }
}

TEST(Router, BeforeTheFirstSnapshotTheApiWaits) {
  FakeData data;
  data.snapshot = nullptr;
  EXPECT_EQ(route(get("/api/state"), kOpen, data).status, 503);
  EXPECT_EQ(route(get("/api/events"), kOpen, data).status, 503);
  EXPECT_EQ(route(get("/api/record.csv"), kOpen, data).status, 404);
  EXPECT_EQ(route(get("/"), kOpen, data).status, 200);
}

TEST(Router, RefusesWhatWouldPassTheServersLimits) {
  FakeData data;
  // A viewer past the most: told to come back, and its connection ends.
  const Response full = route(get("/api/events"), kOpen, data, {.now = 3, .most = 3});
  EXPECT_EQ(full.status, 503);
  EXPECT_EQ(full.kind, Kind::Whole);
  EXPECT_TRUE(ends_connection(full.status));
  EXPECT_EQ(route(get("/api/events"), kOpen, data, {.now = 2, .most = 3}).kind, Kind::EventStream);
  // The state itself is no stream and is answered however many watch.
  EXPECT_EQ(route(get("/api/state"), kOpen, data, {.now = 3, .most = 3}).status, 200);

  const Response no_place = no_room();
  EXPECT_EQ(no_place.status, 503);
  EXPECT_TRUE(ends_connection(no_place.status));

  // A record of the most is sent; one byte more is not.
  data.csv_bytes = kMostRecordBytes;
  EXPECT_EQ(route(get("/api/record.csv"), kOpen, data).body.size(), kMostRecordBytes);
  data.csv_bytes = kMostRecordBytes + 1;
  EXPECT_EQ(route(get("/api/record.csv"), kOpen, data).status, 404);
}

TEST(Router, EventStreamStartsWithTheLatestState) {
  FakeData data;
  const Response r = route(get("/api/events"), kOpen, data);
  EXPECT_EQ(r.kind, Kind::EventStream);
  EXPECT_NE(r.body.find("data: {\"sequence\":7,"), std::string::npos);
  EXPECT_TRUE(r.body.ends_with("\n\n"));
}

TEST(Router, EveryAnswerCarriesTheSecurityHeaders) {
  const auto& headers = security_headers();
  const auto value = [&](const std::string& name) {
    const auto it = std::find_if(headers.begin(), headers.end(),
                                 [&](const auto& h) { return h.first == name; });
    return it == headers.end() ? std::string() : it->second;
  };
  EXPECT_NE(value("Content-Security-Policy").find("script-src 'self'"), std::string::npos);
  EXPECT_EQ(value("Content-Security-Policy").find("unsafe-inline"), std::string::npos);
  EXPECT_EQ(value("X-Content-Type-Options"), "nosniff");
  EXPECT_EQ(value("Referrer-Policy"), "no-referrer");
}

}  // namespace
}  // namespace kolvar::remote
