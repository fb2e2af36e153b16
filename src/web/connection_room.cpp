#include "web/connection_room.h"

namespace kolvar::remote {

ConnectionRoom::Connection* ConnectionRoom::find(Id id) {
  const auto it = connections_.find(id);
  return it == connections_.end() ? nullptr : &it->second;
}

ConnectionRoom::Opening ConnectionRoom::open(Id id, platform::Millis now) {
  Opening opening;
  if (connections_.size() >= rules_.most) {
    // The stranger that has waited longest goes: a connection that sends
    // nothing, or asks once and then idles, holds its place no longer than
    // it takes someone else to come.
    const Connection* longest = nullptr;
    for (const auto& [other, c] : connections_) {
      if (c.state != State::Waiting || c.keyed) continue;
      if (!longest || c.since < longest->since) {
        longest = &c;
        opening.pushed_out = other;
      }
    }
    if (!opening.pushed_out) return opening;
    connections_.erase(*opening.pushed_out);
  }
  connections_[id] = {State::Waiting, now, false};
  opening.admitted = true;
  return opening;
}

void ConnectionRoom::answering(Id id, platform::Millis now) {
  if (Connection* c = find(id)) *c = {State::Answering, now, c->keyed};
}

void ConnectionRoom::waiting(Id id, platform::Millis now) {
  if (Connection* c = find(id)) *c = {State::Waiting, now, c->keyed};
}

void ConnectionRoom::keyed(Id id) {
  if (Connection* c = find(id)) c->keyed = true;
}

void ConnectionRoom::viewing(Id id) {
  if (Connection* c = find(id)) c->state = State::Viewing;
}

void ConnectionRoom::closed(Id id) {
  connections_.erase(id);
}

std::vector<ConnectionRoom::Id> ConnectionRoom::overdue(platform::Millis now) const {
  std::vector<Id> late;
  for (const auto& [id, c] : connections_) {
    const platform::Millis allowed = c.state == State::Waiting     ? rules_.request_time
                                     : c.state == State::Answering ? rules_.answer_time
                                                                   : -1;
    if (allowed >= 0 && now - c.since >= allowed) late.push_back(id);
  }
  return late;
}

}  // namespace kolvar::remote
