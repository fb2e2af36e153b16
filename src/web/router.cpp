#include "web/router.h"

#include <algorithm>
#include <charconv>

#include "platform/percent_decoding.h"
#include "web/page_files.h"
#include "web/runs_json.h"
#include "web/state_json.h"
#include "web/web_address.h"

namespace kolvar::remote {

namespace {

Response plain(int status, std::string text, Headers headers = {}) {
  return plain_answer(status, std::move(text), std::move(headers));
}

// A query's value, percent-decoded; none when the key is missing or the
// value is not well formed.
std::optional<std::string> query_value(std::string_view query, std::string_view key) {
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
    const std::size_t eq = pair.find('=');
    if (pair.substr(0, eq) != key) continue;
    if (eq == std::string_view::npos) return std::string();
    // A form's '+' is a blank; an encoded one ("%2B") stays a '+'.
    std::string value(pair.substr(eq + 1));
    std::replace(value.begin(), value.end(), '+', ' ');
    return platform::percent_decoded(value);
  }
  return std::nullopt;
}

bool same_secret(std::string_view given, std::string_view token) {
  // Every byte of the token is looked at whatever `given` holds.
  unsigned difference = given.size() == token.size() ? 0 : 1;
  for (std::size_t i = 0; i < token.size(); ++i)
    difference |= static_cast<unsigned char>(token[i]) ^
                  static_cast<unsigned char>(i < given.size() ? given[i] : 0);
  return difference == 0 && !token.empty();
}

int pixels(std::string_view query, std::string_view key, int fallback, int low, int high) {
  const std::optional<std::string> text = query_value(query, key);
  if (!text) return fallback;
  int value = 0;
  const auto [at, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc{} || at != text->data() + text->size()) return fallback;
  return std::clamp(value, low, high);
}

const char* content_type_of(std::string_view name) {
  if (name.ends_with(".html")) return "text/html; charset=utf-8";
  if (name.ends_with(".js")) return "text/javascript; charset=utf-8";
  if (name.ends_with(".css")) return "text/css; charset=utf-8";
  if (name.ends_with(".svg")) return "image/svg+xml";
  return "application/octet-stream";
}

// The page's files load with the key of the page's own address, since a
// browser sends no header with a script or a picture.
Response page(std::string_view name, const std::string& query_part, bool may_stop) {
  const std::optional<PageFile> file = page_file(name);
  if (!file) return plain(404, "Not found");
  std::string body(file->content);
  if (name == "index.html") {
    for (std::size_t at; (at = body.find("{{query}}")) != std::string::npos;)
      body.replace(at, 9, query_part);
    for (std::size_t at; (at = body.find("{{stop}}")) != std::string::npos;)
      body.replace(at, 8, may_stop ? "yes" : "no");
  }
  return {200, content_type_of(name), std::move(body), {}};
}

// A page for this machine alone answers only to this machine's names, so
// that another site cannot rename itself to 127.0.0.1 and read it through
// the operator's browser.
bool local_host(std::string_view given) {
  // Host names know no case.
  std::string host(given);
  for (char& ch : host)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  if (host == "localhost" || host.starts_with("localhost:")) return true;
  const bool port = host.starts_with("[") ? host.find("]:") != std::string_view::npos
                                          : host.find(':') != std::string_view::npos;
  const std::optional<WebAddress> address = parse_web_address(port ? host : host + ":80");
  return address && is_loopback(*address);
}

// A file name a browser may be told to save as; anything else (a quote, a
// line break) would change the header, so it saves under a plain name.
std::string save_name(std::string_view name) {
  const bool plain_name = !name.empty() && std::ranges::all_of(name, [](char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
           ch == '-' || ch == '_' || ch == '.';
  });
  return plain_name ? std::string(name) : std::string("run.csv");
}

Response record_answer(std::optional<std::string> csv, std::string_view name, const char* missing) {
  if (!csv) return plain(404, missing);
  if (csv->size() > kMostRecordBytes) return plain(404, "The record is too large to send");
  return {200,
          "text/csv; charset=utf-8",
          std::move(*csv),
          {{"Content-Disposition", "attachment; filename=\"" + save_name(name) + "\""}}};
}

// A past run's record by the name the listing gives it. The name is
// compared, never joined to a folder: what the listing does not hold ("..",
// a slash, an encoded one, a whole path) is simply not found.
Response past_record(std::string_view name, PageData& data) {
  const std::optional<std::vector<journal::RunEntry>> runs = data.runs();
  if (!runs) return plain(503, "The runs cannot be read");
  const auto run =
      std::ranges::find_if(*runs, [&](const journal::RunEntry& r) { return run_name(r) == name; });
  if (run == runs->end()) return plain(404, "No such run");
  return record_answer(data.record_csv(run->record.string(), kMostRecordBytes), name,
                       "No such run");
}

}  // namespace

const Headers& security_headers() {
  static const Headers headers = {
      {"Content-Security-Policy",
       "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
       "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'"},
      {"X-Content-Type-Options", "nosniff"},
      {"Referrer-Policy", "no-referrer"},
      {"X-Frame-Options", "DENY"},
      {"Cache-Control", "no-store"},
      {"Cross-Origin-Resource-Policy", "same-origin"},
  };
  return headers;
}

const char* status_text(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 202:
      return "Accepted";
    case 400:
      return "Bad Request";
    case 401:
      return "Unauthorized";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 413:
      return "Payload Too Large";
    case 503:
      return "Service Unavailable";
    case 505:
      return "HTTP Version Not Supported";
    default:
      return "Error";
  }
}

Response plain_answer(int status, std::string text, Headers headers) {
  return {status, "text/plain; charset=utf-8", std::move(text) + "\n", std::move(headers)};
}

bool ends_connection(int status) {
  switch (status) {
    case 400:
    case 401:
    case 403:
    case 413:
    case 503:
    case 505:
      return true;
    default:
      return false;
  }
}

bool carries_token(const Request& request, const std::string& token, bool from_query) {
  constexpr std::string_view kBearer = "Bearer ";
  if (request.authorization.starts_with(kBearer) &&
      same_secret(std::string_view(request.authorization).substr(kBearer.size()), token))
    return true;
  if (!from_query) return false;
  const std::size_t mark = request.target.find('?');
  if (mark == std::string::npos) return false;
  const std::optional<std::string> given =
      query_value(std::string_view(request.target).substr(mark + 1), "token");
  return given && same_secret(*given, token);
}

bool carries_key(const Request& request, const Guard& guard) {
  return guard.token && carries_token(request, *guard.token, true);
}

std::string state_event(const PageSnapshot& snapshot) {
  return "data: " + state_json(snapshot) + "\n\n";
}

Response no_room() {
  return plain_answer(503, "Too many connections", {{"Retry-After", "5"}});
}

Response route(const Request& request, const Guard& guard, PageData& data, const Viewers& viewers) {
  const bool get = request.method == "GET";
  const bool post = request.method == "POST";
  // HEAD, OPTIONS (no preflight is ever answered) and everything else.
  if (!get && !post)
    return plain(405, "Only GET, and POST for /api/stop", {{"Allow", "GET, POST"}});
  if (request.body_bytes > kMaxBodyBytes || request.target.size() > kMaxHeaderBytes)
    return plain(413, "Too large");
  // Without the key nothing else is learnt: not even which paths exist.
  if (guard.token_for_reading && (!guard.token || !carries_token(request, *guard.token, true)))
    return plain(401, "Unauthorized", {{"WWW-Authenticate", "Bearer"}});

  if (!guard.token_for_reading && !local_host(request.host))
    return plain(403, "This page answers on this machine's own address only");

  const std::string_view target = request.target;
  const std::size_t mark = target.find('?');
  const std::string_view path = target.substr(0, mark);
  const std::string_view query =
      mark == std::string_view::npos ? std::string_view{} : target.substr(mark + 1);

  if (path == "/api/stop") {
    if (!post) return plain(405, "POST only", {{"Allow", "POST"}});
    // Whether a stop may come from here at all is no secret (the page says
    // so); whether this one may, is the key's.
    if (!data.can_stop()) return plain(403, "This page may not stop the system");
    // The header alone: a form on another site can put a token in an
    // address, never in a header.
    if (!guard.token || !carries_token(request, *guard.token, false))
      return plain(401, "Unauthorized", {{"WWW-Authenticate", "Bearer"}});
    if (!data.request_stop()) return plain(403, "This page may not stop the system");
    return plain(202, "Stop asked for");
  }
  if (!get) return plain(405, "GET only", {{"Allow", "GET"}});

  const std::string query_part =
      guard.token && guard.token_for_reading ? "?token=" + *guard.token : std::string();
  if (path == "/" || path == "/index.html") return page("index.html", query_part, data.can_stop());
  if (path == "/page.js" || path == "/page.css") return page(path.substr(1), query_part, false);

  if (path == "/api/state" || path == "/api/events") {
    const std::shared_ptr<const PageSnapshot> snapshot = data.latest();
    if (!snapshot) return plain(503, "Not started yet", {{"Retry-After", "1"}});
    if (path == "/api/state") return {200, "application/json", state_json(*snapshot), {}};
    if (viewers.now >= viewers.most) return plain(503, "Too many viewers", {{"Retry-After", "5"}});
    return {200,
            "text/event-stream",
            "retry: 2000\n\n" + state_event(*snapshot),
            {},
            Kind::EventStream};
  }
  if (path == "/api/settings") {
    const std::shared_ptr<const PageSnapshot> snapshot = data.latest();
    if (!snapshot || !snapshot->settings) return plain(503, "Not started yet");
    return {200, "application/json", settings_json(*snapshot->settings), {}};
  }
  if (path == "/api/plot.svg") {
    const int width = pixels(query, "w", 800, 200, 4000);
    const int height = pixels(query, "h", 400, 150, 3000);
    return {200, "image/svg+xml", data.plot_svg({width, height}), {}};
  }
  if (path == "/api/record.csv") {
    const std::shared_ptr<const PageSnapshot> snapshot = data.latest();
    std::optional<std::string> csv;
    if (snapshot && !snapshot->record_file.empty())
      csv = data.record_csv(snapshot->record_file, kMostRecordBytes);
    return record_answer(std::move(csv), "run.csv", "No record of a run yet");
  }
  if (path == "/api/runs") {
    const std::optional<std::vector<journal::RunEntry>> runs = data.runs();
    if (!runs) return plain(503, "The runs cannot be read");
    return {200, "application/json", runs_json(*runs), {}};
  }
  if (constexpr std::string_view kRuns = "/api/runs/"; path.starts_with(kRuns))
    return past_record(path.substr(kRuns.size()), data);
  return plain(404, "Not found");
}

}  // namespace kolvar::remote
