#pragma once
// Outbound HTTP(S): one POST, waiting for its answer at most a given time.
// The alerts' thread calls it; it never throws, and its error never holds
// the URL (which may carry a token).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/time/clock.h"

namespace kolvar::platform {

struct HttpRequest {
  std::string url;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string content_type = "text/plain; charset=utf-8";
  std::string body;
};

struct HttpAnswer {
  int status = 0;     // the server's status code; 0 when none came
  std::string error;  // why no answer came; empty when one did
  bool ok() const { return error.empty() && status >= 200 && status < 300; }
};

// How long a post may still take, in milliseconds. It is asked at the start
// and again while the post waits, so that whoever gave it can cut the post
// short (at 0 or less it ends, as a timeout).
using TimeLeft = std::function<Millis()>;

// Follows no redirect: a POST that moved is the operator's to fix.
HttpAnswer http_post(const HttpRequest& request, const TimeLeft& left);

// Whether this edition can post at all (the libraries it was built with).
bool http_available();

}  // namespace kolvar::platform
