#pragma once
// What each request gets: the page and its files, the API, and the guard in
// front of them. No path ever reaches the file system: the page's files are
// compiled in, and the record is the run's own file, whatever was asked.
#include <functional>
#include <optional>
#include <string>

#include "remote/http_exchange.h"
#include "remote/page_hub.h"

namespace kolvar::remote {

struct Guard {
  // The key; none when the page has none.
  std::optional<std::string> token;
  // Whether reading needs it too (served beyond this machine).
  bool token_for_reading = false;
};

// What the routes read. The server's thread calls them.
class PageData {
 public:
  virtual ~PageData() = default;
  virtual std::shared_ptr<const PageSnapshot> latest() = 0;
  virtual std::string plot_svg(chart::Size size) = 0;
  // The run's record as it stands; none when there is no run or it cannot
  // be read.
  virtual std::optional<std::string> record_csv(const std::string& file) = 0;
  virtual bool can_stop() = 0;
  // Asks the controller's thread to stop the system; false if it may not.
  virtual bool request_stop() = 0;
};

// Answers `request`. An EventStream answer carries the first state in its
// body; the server then pushes each new one.
Response route(const Request& request, const Guard& guard, PageData& data);

// A push event of the state, "data: {…}\n\n".
std::string state_event(const PageSnapshot& snapshot);

// Whether the request carries `token`: as Authorization: Bearer, or (when
// `from_query`) as ?token= in the target. Compared in time that does not
// depend on where the two first differ.
bool carries_token(const Request& request, const std::string& token, bool from_query);

// Whether the request carries the page's key in either place: a connection
// that has shown it is never one a stranger's can push out.
bool carries_key(const Request& request, const Guard& guard);

}  // namespace kolvar::remote
