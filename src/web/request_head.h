#pragma once
// A request as it comes off the wire, read strictly: anything that is not
// plainly HTTP/1.0 or 1.1, framed one way only, is refused with its status.
// Two readers that frame one request differently (a proxy in front, this
// server behind) are how a request is smuggled past the guard, so nothing
// here is guessed or repaired.
#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>

#include "web/http_exchange.h"

namespace kolvar::remote {

enum class BodyFraming { None, Length, Chunked };

struct Head {
  // Its body_bytes: the Content-Length; a chunked body's come with it.
  Request request;
  int version = 11;  // 10 or 11
  BodyFraming body = BodyFraming::None;
};

// What came of a request's first part (or of a chunked body): the bytes it
// took and what they were, or the answer that refuses them.
template <class Good>
struct Taken {
  std::size_t length = 0;
  std::variant<Good, Response> result;
};

// The head at the start of what has come so far of a connection's next
// request; none while more must come. Refused: 400 for anything malformed
// (a line without a colon, a byte no header may hold, a line end without
// its CR, a second Host, Content-Length and Transfer-Encoding together, two
// different lengths, a coding other than "chunked"), 505 for a version
// other than 1.0 and 1.1, 413 for a head over kMaxHeaderBytes or a length
// over kMaxBodyBytes. Empty lines before the request line are skipped.
std::optional<Taken<Head>> take_head(std::string_view received);

// A chunked body at the start of `received`, its data's size when whole;
// none while more must come. 400 when malformed, 413 when its data pass
// kMaxBodyBytes or its framing is out of all measure.
std::optional<Taken<std::size_t>> take_chunked_body(std::string_view received);

}  // namespace kolvar::remote
