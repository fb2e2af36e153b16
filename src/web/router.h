#pragma once
// What each request gets: the page and its files, the API, and the guard in
// front of them, and every refusal the server makes. No path ever reaches the
// file system: the page's files are compiled in, the record is the run's own
// file, and a past run's record is one the journal's listing names, whatever
// was asked.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "journal/run_list.h"
#include "web/http_exchange.h"
#include "web/page_hub.h"

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
  // The run's record as it stands, at most `most_bytes` + 1 of it (enough to
  // tell it is too large); none when it cannot be read.
  virtual std::optional<std::string> record_csv(const std::string& file,
                                                std::uint64_t most_bytes) = 0;
  // The runs of the journal's folder, newest first; empty when it has none
  // yet, none when it cannot be read.
  virtual std::optional<std::vector<journal::RunEntry>> runs() = 0;
  virtual bool can_stop() = 0;
  // Asks the controller's thread to stop the system; false if it may not.
  virtual bool request_stop() = 0;
};

// A record larger than this is not sent whole (a run of weeks).
inline constexpr std::uint64_t kMostRecordBytes = 64ull << 20;

// The viewers on the push stream when a request comes, and how many there
// may be.
inline constexpr std::size_t kMostViewers = 32;
struct Viewers {
  std::size_t now = 0;
  std::size_t most = kMostViewers;
};

// Answers `request`. An EventStream answer carries the first state in its
// body; the server then pushes each new one. A new viewer past `viewers.most`
// is refused.
Response route(const Request& request, const Guard& guard, PageData& data,
               const Viewers& viewers = {});

// The answer of a connection the room has no place for (connection_room.h),
// before it is closed.
Response no_room();

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
