#pragma once
// The page's server: one thread of its own serving every connection, reading
// the column's state only from the hub. The controller never waits for it.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/time/clock.h"
#include "record/run_record.h"
#include "web/connection_room.h"
#include "web/page_hub.h"
#include "web/router.h"
#include "web/web_address.h"

namespace kolvar::remote {

struct ServerOptions {
  WebAddress address;
  Guard guard;
  // The folder of the runs' records that /api/runs lists: the one the record
  // writes to.
  std::filesystem::path runs = record::RecordOptions{}.folder;
  // Viewers on the push stream at once; a further one gets 503.
  std::size_t max_viewers = kMostViewers;
  // Connections at once, viewers included, and the time each has to send a
  // request and to take its answer (connection_room.h). One beyond the limit
  // that no other gives way to gets 503.
  RoomRules room;
  // The room's clock (monotonic milliseconds); the system's when none.
  std::function<platform::Millis()> now;
  // How often the room is looked through for connections out of time.
  std::chrono::milliseconds sweep{500};
  // A viewer that takes no pushed data for this long is closed.
  std::chrono::seconds idle{30};
  // A comment line on the push stream this often keeps it open through
  // proxies and finds viewers that went away.
  std::chrono::seconds heartbeat{15};
};

// The address cannot be bound (taken, not this machine's).
class BindError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class WebServer {
 public:
  // Binds and starts serving; throws BindError.
  WebServer(PageHub& hub, ServerOptions options);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  // The port bound (the one the system chose for port 0).
  std::uint16_t port() const;
  // Viewers on the push stream now.
  std::size_t viewers() const;

  struct Impl;

 private:
  std::shared_ptr<Impl> impl_;
};

// This machine's address on its network as seen from outside (the one a
// route to the internet would leave from); empty when there is none.
std::string network_address();

}  // namespace kolvar::remote
