// The web page's request handling: any bytes off the wire are taken as one
// request or refused with 400, 413 or 505; any request line, headers and
// guard get an answer without a fault; without the key nothing but 401 comes
// back; the stop happens only with the exact key in a header; the remote
// settings file and the address take any bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "remote/web_plan.h"
#include "remote/web_settings.h"
#include "web/request_head.h"
#include "web/router.h"

using namespace kolvar;

namespace {

constexpr const char* kToken = "0123456789abcdef0123456789abcdef";

class Data : public remote::PageData {
 public:
  Data() {
    auto s = std::make_shared<remote::PageSnapshot>();
    s->roles[0].text = "SECRET-READING";
    s->record_file = "runs/r.csv";
    s->settings = std::make_shared<const std::vector<std::string>>(1, "0");
    snapshot_ = s;
  }
  std::shared_ptr<const remote::PageSnapshot> latest() override { return snapshot_; }
  std::string plot_svg(chart::Size size) override {
    fuzz::require(
        size.width >= 200 && size.width <= 4000 && size.height >= 150 && size.height <= 3000,
        "the plot's size is bounded");
    return "<svg/>";
  }
  std::optional<std::string> record_csv(const std::string& file, std::uint64_t) override {
    fuzz::require(file == "runs/r.csv" || file == "runs/2024-05-01_10-00-00.csv",
                  "only the run's own record or one the listing names is read", file);
    return std::string("x");
  }
  std::optional<std::vector<journal::RunEntry>> runs() override {
    std::vector<journal::RunEntry> listed(1);
    listed[0].record = "runs/2024-05-01_10-00-00.csv";
    listed[0].note = "SECRET-READING";
    return listed;
  }
  bool can_stop() override { return may_stop; }
  bool request_stop() override {
    ++stops;
    return may_stop;
  }
  bool may_stop = false;
  int stops = 0;

 private:
  std::shared_ptr<const remote::PageSnapshot> snapshot_;
};

// The next field of the input, up to a NUL byte.
std::string field(std::string_view& input) {
  const std::size_t end = input.find('\0');
  std::string out(input.substr(0, end));
  input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(bytes), size);
  const std::uint8_t flags = size ? bytes[0] : 0;
  if (size) input.remove_prefix(1);
  remote::Request request;
  if (flags & 0x40) {
    // The rest as it would come off the wire.
    const auto taken = remote::take_head(input);
    if (!taken) return 0;
    fuzz::require(taken->length <= input.size(), "a head takes no more than came");
    if (const auto* refusal = std::get_if<remote::Response>(&taken->result)) {
      const int s = refusal->status;
      fuzz::require(s == 400 || s == 413 || s == 505, "a head is refused with 400, 413 or 505");
      fuzz::require(remote::ends_connection(s), "a refused head ends its connection");
      return 0;
    }
    const remote::Head& head = std::get<remote::Head>(taken->result);
    request = head.request;
    fuzz::require(!request.method.empty() && !request.target.empty(), "a head has a request line");
    fuzz::require(request.body_bytes <= remote::kMaxBodyBytes, "a body's length is bounded");
    if (head.body == remote::BodyFraming::Chunked) {
      const auto body = remote::take_chunked_body(input.substr(taken->length));
      if (body && std::holds_alternative<std::size_t>(body->result)) {
        fuzz::require(body->length <= input.size() - taken->length, "a body takes what came");
        request.body_bytes = std::get<std::size_t>(body->result);
        fuzz::require(request.body_bytes <= remote::kMaxBodyBytes, "a chunked body is bounded");
      }
    }
  } else {
    request.method = field(input);
    request.target = field(input);
    request.authorization = field(input);
    request.host = field(input);
    request.body_bytes = flags & 0x80 ? 5000 : input.size();
  }

  remote::Guard guard;
  if (flags & 1) guard.token = kToken;
  guard.token_for_reading = (flags & 2) != 0;
  Data data;
  data.may_stop = (flags & 4) != 0;
  const remote::Response r = remote::route(request, guard, data);

  fuzz::require(r.status >= 200 && r.status < 600, "a status is an HTTP status");
  fuzz::require(!r.content_type.empty(), "every answer says what it is");
  const bool keyed = guard.token && remote::carries_token(request, *guard.token, true);
  if (guard.token_for_reading && !keyed && r.status != 405 && r.status != 413)
    fuzz::require(r.status == 401 && r.body == "Unauthorized\n", "no key, nothing learnt");
  if (r.body.find("SECRET-READING") != std::string::npos)
    fuzz::require(!guard.token_for_reading || keyed, "the state only with the key");
  if (data.stops)
    fuzz::require(request.method == "POST" && data.may_stop &&
                      request.authorization == std::string("Bearer ") + kToken,
                  "the stop only with its key in a header");

  // The same bytes as the remote settings file and as an address.
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  try {
    const remote::WebSettings s = remote::parse_web_settings(text);
    fuzz::require(remote::parse_web_settings(remote::web_settings_text(s)) == s,
                  "the settings read back as written");
  } catch (const remote::WebSettingsError&) {
  }
  if (const auto address = remote::parse_web_address(text))
    fuzz::require(remote::parse_web_address(remote::address_text(*address)) == address,
                  "an address reads back as written");
  return 0;
}
