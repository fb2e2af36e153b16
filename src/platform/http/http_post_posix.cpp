// libcurl: the TLS, proxies and name resolution of the system's own library.
#include "platform/http/http_post.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

namespace kolvar::platform {

namespace {

std::size_t discard(char*, std::size_t size, std::size_t count, void*) {
  return size * count;  // the answer's body tells nothing the status does not
}

void global_init() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// While a post waits, the time it has left is asked this often.
constexpr Millis kAskAgainMs = 100;

// Runs the transfer, asking `left` again while it waits: the easy interface
// would wait out the whole timeout it was given at the start. `error` is
// set when the transfer could not run to its end.
CURLcode perform(CURL* curl, const TimeLeft& left, std::string& error) {
  CURLM* multi = curl_multi_init();
  if (!multi || curl_multi_add_handle(multi, curl) != CURLM_OK) {
    if (multi) curl_multi_cleanup(multi);
    error = "libcurl could not start";
    return CURLE_FAILED_INIT;
  }
  CURLcode code = CURLE_OK;
  for (int running = 1; running;) {
    CURLMcode step = curl_multi_perform(multi, &running);
    if (step == CURLM_OK && running) {
      const Millis remaining = left();
      if (remaining <= 0) {
        code = CURLE_OPERATION_TIMEDOUT;
        break;
      }
      step = curl_multi_poll(multi, nullptr, 0, static_cast<int>(std::min(remaining, kAskAgainMs)),
                             nullptr);
    }
    if (step != CURLM_OK) {
      error = curl_multi_strerror(step);
      break;
    }
  }
  int queued = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi, &queued))
    if (message->msg == CURLMSG_DONE) code = message->data.result;
  curl_multi_remove_handle(multi, curl);
  curl_multi_cleanup(multi);
  return code;
}

}  // namespace

bool http_available() {
  return true;
}

HttpAnswer http_post(const HttpRequest& request, const TimeLeft& left) {
  global_init();
  HttpAnswer answer;
  const Millis first = left();
  if (first <= 0) {
    answer.error = "no time left";
    return answer;
  }
  CURL* curl = curl_easy_init();
  if (!curl) {
    answer.error = "libcurl could not start";
    return answer;
  }
  curl_slist* headers = nullptr;
  const std::string type = "Content-Type: " + request.content_type;
  headers = curl_slist_append(headers, type.c_str());
  // Without this a body over 1 KiB waits a second for "100 Continue".
  headers = curl_slist_append(headers, "Expect:");
  for (const auto& [name, value] : request.headers) {
    std::string line = name;
    line += ": ";
    line += value;
    headers = curl_slist_append(headers, line.c_str());
  }
  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(first));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(first));
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // a thread of its own
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Kolvar/" KOLVAR_VERSION);
  const CURLcode code = perform(curl, left, answer.error);
  if (answer.error.empty() && code == CURLE_OK) {
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    answer.status = static_cast<int>(status);
  } else if (answer.error.empty()) {
    answer.error = curl_easy_strerror(code);
  }
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return answer;
}

}  // namespace kolvar::platform
