// libcurl: the TLS, proxies and name resolution of the system's own library.
#include "platform/http_post.h"

#include <curl/curl.h>

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

}  // namespace

bool http_available() {
  return true;
}

HttpAnswer http_post(const HttpRequest& request, long timeout_ms) {
  global_init();
  HttpAnswer answer;
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
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeout_ms);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeout_ms);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // a thread of its own
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Kolvar/" KOLVAR_VERSION);
  const CURLcode code = curl_easy_perform(curl);
  if (code == CURLE_OK) {
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    answer.status = static_cast<int>(status);
  } else {
    answer.error = curl_easy_strerror(code);
  }
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return answer;
}

}  // namespace kolvar::platform
