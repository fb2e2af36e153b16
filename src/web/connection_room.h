#pragma once
// Who holds the server's connections, and who gives way, on time given in.
// Strangers must never be able to take every place: a connection has a
// short time to send a whole request, and when the room is full a new one
// pushes out the connection that has waited longest for a request of its
// own without ever showing the key. Those that showed it, those being
// answered and the viewers on the push stream are never pushed out.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "platform/time/clock.h"

namespace kolvar::remote {

struct RoomRules {
  // Connections at once, viewers included.
  std::size_t most = 48;
  // To send a whole request: from the opening, or from the last answer.
  platform::Millis request_time = 5'000;
  // To take an answer.
  platform::Millis answer_time = 30'000;
};

class ConnectionRoom {
 public:
  using Id = std::uint64_t;

  explicit ConnectionRoom(RoomRules rules = {}) : rules_(rules) {}

  struct Opening {
    bool admitted = false;
    std::optional<Id> pushed_out;  // to be closed for the new one
  };
  // A connection opens at `now`; refused when every place is held by one
  // that may not give way.
  Opening open(Id id, platform::Millis now);
  // A whole request came: it is being answered.
  void answering(Id id, platform::Millis now);
  // Answered: it waits for its next request.
  void waiting(Id id, platform::Millis now);
  // It carried the key.
  void keyed(Id id);
  // It became a viewer on the push stream, which keeps its own time.
  void viewing(Id id);
  void closed(Id id);

  // Those whose time ran out by `now`.
  std::vector<Id> overdue(platform::Millis now) const;
  std::size_t size() const { return connections_.size(); }

 private:
  enum class State { Waiting, Answering, Viewing };
  struct Connection {
    State state = State::Waiting;
    platform::Millis since = 0;
    bool keyed = false;
  };
  Connection* find(Id id);

  RoomRules rules_;
  std::map<Id, Connection> connections_;
};

}  // namespace kolvar::remote
