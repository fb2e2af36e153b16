#pragma once
// A request and its answer as our own code sees them, apart from the
// library that reads and writes HTTP: what the routing decides on can then
// be tested and fuzzed without a socket.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kolvar::remote {

// The limits of what a request may be. A request past them is answered 413
// and its connection closed; the server goes on.
inline constexpr std::size_t kMaxHeaderBytes = 8 * 1024;
inline constexpr std::size_t kMaxBodyBytes = 1024;

struct Request {
  std::string method;         // as sent: "GET", "POST", …
  std::string target;         // the path with its query: "/api/state?token=…"
  std::string authorization;  // the Authorization header, empty when none
  std::string host;           // the Host header, empty when none
  std::size_t body_bytes = 0;
  bool keep_alive = true;  // whether the client would send another on it
};

using Headers = std::vector<std::pair<std::string, std::string>>;

enum class Kind {
  Whole,        // the body is the whole answer
  EventStream,  // the answer goes on: pushed states follow (text/event-stream)
};

struct Response {
  int status = 200;
  std::string content_type;
  std::string body;
  // Headers beyond those every answer carries (see security_headers()).
  Headers headers;
  Kind kind = Kind::Whole;
};

// Every answer's headers: no script but the page's own, no sniffing, no
// referrer (a token in the address stays here), no framing, no caching.
const Headers& security_headers();

// The reason phrase of the statuses we send.
const char* status_text(int status);

// A short answer in plain text (a line end is added).
Response plain_answer(int status, std::string text, Headers headers = {});

// Whether an answer of `status` ends its connection, whatever the client
// asked: a refusal does, so that a stranger who asks again and again keeps
// no place among the connections (400, 401, 403, 413, 503, 505).
bool ends_connection(int status);

}  // namespace kolvar::remote
