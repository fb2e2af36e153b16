#include "web/request_head.h"

#include <charconv>

namespace kolvar::remote {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

Response malformed() {
  return plain_answer(400, "Malformed request");
}

Response too_large() {
  return plain_answer(413, "Too large");
}

// RFC 9110's tchar: what a method or a field name is made of.
bool token_char(unsigned char ch) {
  if (ch >= '0' && ch <= '9') return true;
  if ((ch | 0x20) >= 'a' && (ch | 0x20) <= 'z') return true;
  return std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(ch)) != std::string_view::npos;
}

bool token(std::string_view text) {
  if (text.empty()) return false;
  for (const char ch : text)
    if (!token_char(static_cast<unsigned char>(ch))) return false;
  return true;
}

// A field value's bytes: visible characters, blanks and tabs, and bytes of
// other encodings; never NUL or another control character.
bool value_char(unsigned char ch) {
  return ch == '\t' || (ch >= 0x20 && ch != 0x7f);
}

bool blank(char ch) {
  return ch == ' ' || ch == '\t';
}

std::string_view without_blanks(std::string_view text) {
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool same_word(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x != y && (x | 0x20) != (y | 0x20)) return false;
    if (x != y && !((x | 0x20) >= 'a' && (x | 0x20) <= 'z')) return false;
  }
  return true;
}

// Where the line that starts at `from` ends (its CR), or npos while it has
// not; refuses a LF without its CR and a CR without its LF.
struct LineEnd {
  std::size_t at = std::string_view::npos;
  bool broken = false;
};

LineEnd line_end(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\n') return {i, true};
    if (text[i] != '\r') continue;
    if (i + 1 == text.size()) return {};
    return {i, text[i + 1] != '\n'};
  }
  return {};
}

// "HTTP/1.1" → 11; none for what is no version at all, 0 for a version of
// that form that is neither 1.0 nor 1.1.
std::optional<int> version_of(std::string_view text) {
  if (text.size() != 8 || !text.starts_with("HTTP/") || text[6] != '.') return std::nullopt;
  const char major = text[5], minor = text[7];
  if (major < '0' || major > '9' || minor < '0' || minor > '9') return std::nullopt;
  if (major == '1' && (minor == '0' || minor == '1')) return 10 + (minor - '0');
  return 0;
}

// The request line: METHOD SP TARGET SP VERSION, one blank each.
std::variant<Head, Response> request_line(std::string_view line) {
  const std::size_t first = line.find(' ');
  const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
  if (second == std::string_view::npos) return malformed();
  Head head;
  const std::string_view method = line.substr(0, first);
  const std::string_view target = line.substr(first + 1, second - first - 1);
  if (!token(method) || target.empty()) return malformed();
  for (const char ch : target) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte <= 0x20 || byte >= 0x7f) return malformed();
  }
  const std::optional<int> version = version_of(line.substr(second + 1));
  if (!version) return malformed();
  if (*version == 0) return plain_answer(505, "Only HTTP/1.0 and HTTP/1.1");
  head.request.method = std::string(method);
  head.request.target = std::string(target);
  head.version = *version;
  return head;
}

// What the header lines said that framing depends on.
struct Fields {
  int hosts = 0;
  int authorizations = 0;
  std::optional<std::size_t> length;
  bool length_too_large = false;
  int codings = 0;
  bool chunked = false;
  bool close = false;
  bool keep_alive = false;
};

// Takes one header line into `head` and `fields`; false when it is malformed.
bool field_line(std::string_view line, Head& head, Fields& fields) {
  const std::size_t colon = line.find(':');
  // A name ends at its colon: a blank before it, or a line that goes on
  // the one before (an obsolete fold), is no field.
  if (colon == std::string_view::npos || !token(line.substr(0, colon))) return false;
  const std::string_view name = line.substr(0, colon);
  const std::string_view value = without_blanks(line.substr(colon + 1));
  for (const char ch : value)
    if (!value_char(static_cast<unsigned char>(ch))) return false;

  if (same_word(name, "host")) {
    head.request.host = std::string(value);
    return ++fields.hosts == 1;
  }
  if (same_word(name, "authorization")) {
    head.request.authorization = std::string(value);
    return ++fields.authorizations == 1;
  }
  if (same_word(name, "content-length")) {
    // Digits alone: no list, no sign; a second one must say the same.
    if (value.empty()) return false;
    for (const char ch : value)
      if (ch < '0' || ch > '9') return false;
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
    if (error == std::errc::result_out_of_range || length > kMaxBodyBytes) {
      // Its exact value does not matter: it is refused as too large.
      fields.length_too_large = true;
      length = kMaxBodyBytes + 1;
    }
    if (fields.length && *fields.length != length) return false;
    fields.length = length;
    return true;
  }
  if (same_word(name, "transfer-encoding")) {
    // "chunked" alone: any other coding, or chunked with another, is a
    // framing this server does not take.
    ++fields.codings;
    fields.chunked = same_word(value, "chunked");
    return fields.codings == 1 && fields.chunked;
  }
  if (same_word(name, "connection")) {
    std::string_view rest = value;
    while (!rest.empty()) {
      const std::size_t comma = rest.find(',');
      const std::string_view option = without_blanks(rest.substr(0, comma));
      rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
      if (same_word(option, "close")) fields.close = true;
      if (same_word(option, "keep-alive")) fields.keep_alive = true;
    }
  }
  return true;
}

}  // namespace

std::optional<Taken<Head>> take_head(std::string_view received) {
  // Empty lines before a request (what some clients send after a body).
  std::size_t start = 0;
  while (received.substr(start).starts_with(kLineEnd)) start += kLineEnd.size();
  if (start > kMaxHeaderBytes) return Taken<Head>{start, too_large()};

  std::size_t at = start;
  std::optional<Head> head;
  Fields fields;
  for (;;) {
    const LineEnd end = line_end(received, at);
    if (end.at == std::string_view::npos) {
      // The rest of the head may still come, if it fits.
      if (received.size() - start >= kMaxHeaderBytes)
        return Taken<Head>{received.size(), too_large()};
      return std::nullopt;
    }
    const std::size_t next = end.at + (end.broken ? 1 : kLineEnd.size());
    if (next - start > kMaxHeaderBytes) return Taken<Head>{next, too_large()};
    if (end.broken) return Taken<Head>{next, malformed()};
    const std::string_view line = received.substr(at, end.at - at);
    at = next;
    if (!head) {
      std::variant<Head, Response> first = request_line(line);
      if (auto* refusal = std::get_if<Response>(&first))
        return Taken<Head>{at, std::move(*refusal)};
      head = std::move(std::get<Head>(first));
      continue;
    }
    if (line.empty()) break;
    if (!field_line(line, *head, fields)) return Taken<Head>{at, malformed()};
  }

  const bool http11 = head->version == 11;
  // HTTP/1.1 names its host once (RFC 9112, 3.2); a coding needs 1.1, and
  // is never given together with a length.
  if ((http11 && fields.hosts == 0) || (fields.codings && (fields.length || !http11)))
    return Taken<Head>{at, malformed()};
  if (fields.length_too_large) return Taken<Head>{at, too_large()};
  head->request.keep_alive = http11 ? !fields.close : fields.keep_alive && !fields.close;
  if (fields.chunked) {
    head->body = BodyFraming::Chunked;
  } else if (fields.length && *fields.length > 0) {
    head->body = BodyFraming::Length;
    head->request.body_bytes = *fields.length;
  }
  return Taken<Head>{at, std::move(*head)};
}

std::optional<Taken<std::size_t>> take_chunked_body(std::string_view received) {
  // Sizes, extensions and trailers beyond this are no body of a form.
  constexpr std::size_t kMostFraming = kMaxHeaderBytes;
  std::size_t at = 0;
  std::size_t data = 0;
  const auto give_up_or_wait = [&]() -> std::optional<Taken<std::size_t>> {
    if (received.size() > kMaxBodyBytes + kMostFraming)
      return Taken<std::size_t>{received.size(), too_large()};
    return std::nullopt;
  };
  // The chunks: a size in hex, perhaps extensions, CR LF, the data, CR LF.
  for (;;) {
    const LineEnd end = line_end(received, at);
    if (end.at == std::string_view::npos) return give_up_or_wait();
    if (end.broken) return Taken<std::size_t>{end.at + 1, malformed()};
    const std::string_view line = received.substr(at, end.at - at);
    at = end.at + kLineEnd.size();
    const std::size_t digits = line.find_first_not_of("0123456789abcdefABCDEF");
    const std::string_view hex = line.substr(0, digits);
    if (hex.empty()) return Taken<std::size_t>{at, malformed()};
    if (digits != std::string_view::npos) {
      const std::string_view extension = line.substr(digits);
      if (!without_blanks(extension).starts_with(';')) return Taken<std::size_t>{at, malformed()};
      for (const char ch : extension)
        if (!value_char(static_cast<unsigned char>(ch))) return Taken<std::size_t>{at, malformed()};
    }
    std::size_t size = 0;
    const auto [stop, error] = std::from_chars(hex.data(), hex.data() + hex.size(), size, 16);
    if (error != std::errc{} || size > kMaxBodyBytes - data)
      return Taken<std::size_t>{at, too_large()};
    if (size == 0) break;
    if (received.size() < at + size + kLineEnd.size()) return give_up_or_wait();
    if (received.substr(at + size, kLineEnd.size()) != kLineEnd)
      return Taken<std::size_t>{at + size, malformed()};
    data += size;
    at += size + kLineEnd.size();
  }
  // The trailer's fields, if any, up to an empty line; nothing reads them.
  for (;;) {
    const LineEnd end = line_end(received, at);
    if (end.at == std::string_view::npos) return give_up_or_wait();
    if (end.broken) return Taken<std::size_t>{end.at + 1, malformed()};
    const std::string_view line = received.substr(at, end.at - at);
    at = end.at + kLineEnd.size();
    if (line.empty()) return Taken<std::size_t>{at, data};
    Head ignored;
    Fields none;
    if (!field_line(line, ignored, none)) return Taken<std::size_t>{at, malformed()};
  }
}

}  // namespace kolvar::remote
