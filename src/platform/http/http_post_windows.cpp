// WinHTTP: the system's own HTTP(S), its certificates and proxy settings.
#include "platform/http/http_post.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <string>

#include "platform/wide_text.h"

namespace kolvar::platform {

namespace {

// Closes a WinHTTP handle when it goes.
struct Handle {
  HINTERNET h = nullptr;
  explicit Handle(HINTERNET handle) : h(handle) {}
  ~Handle() {
    if (h) WinHttpCloseHandle(h);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
};

std::string failure(const char* step) {
  // The code alone: WinHTTP's texts live in a module of their own, and the
  // URL (which may carry a token) is never part of it.
  return std::string(step) + " failed (WinHTTP error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

bool http_available() {
  return true;
}

// WinHTTP's calls wait on their own: the time left is asked before each
// step, so a post cut short ends at the next one, and no step waits longer
// than the time the post had when it began.
HttpAnswer http_post(const HttpRequest& request, const TimeLeft& left) {
  HttpAnswer answer;
  const auto out_of_time = [&](Millis remaining) {
    if (remaining > 0) return false;
    answer.error = "no time left";
    return true;
  };
  const Millis timeout_ms = left();
  if (out_of_time(timeout_ms)) return answer;
  std::wstring url = wide_from_utf8(request.url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) {
    answer.error = failure("reading the URL");
    return answer;
  }
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  const std::wstring agent = wide_from_utf8("Kolvar/" KOLVAR_VERSION);
  Handle session(WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                             WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session.h) {
    answer.error = failure("opening a session");
    return answer;
  }
  const int timeout = static_cast<int>(std::min<Millis>(timeout_ms, 0x7fffffff));
  WinHttpSetTimeouts(session.h, timeout, timeout, timeout, timeout);
  Handle connection(WinHttpConnect(session.h, host.c_str(), parts.nPort, 0));
  if (!connection.h) {
    answer.error = failure("connecting");
    return answer;
  }
  if (out_of_time(left())) return answer;
  Handle call(WinHttpOpenRequest(connection.h, L"POST", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                 WINHTTP_DEFAULT_ACCEPT_TYPES,
                                 parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
  if (!call.h) {
    answer.error = failure("opening the request");
    return answer;
  }
  // A POST that moved is the operator's to fix, as on Linux.
  DWORD no_redirects = WINHTTP_DISABLE_REDIRECTS;
  WinHttpSetOption(call.h, WINHTTP_OPTION_DISABLE_FEATURE, &no_redirects, sizeof no_redirects);
  std::string headers = "Content-Type: " + request.content_type + "\r\n";
  for (const auto& [name, value] : request.headers) {
    headers += name;
    headers += ": ";
    headers += value;
    headers += "\r\n";
  }
  const std::wstring wide_headers = wide_from_utf8(headers);
  const auto size = static_cast<DWORD>(request.body.size());
  if (!WinHttpSendRequest(call.h, wide_headers.c_str(), static_cast<DWORD>(-1L),
                          const_cast<char*>(request.body.data()), size, size, 0)) {
    answer.error = failure("sending");
    return answer;
  }
  if (out_of_time(left())) return answer;
  if (!WinHttpReceiveResponse(call.h, nullptr)) {
    answer.error = failure("waiting for the answer");
    return answer;
  }
  DWORD status = 0;
  DWORD status_size = sizeof status;
  if (!WinHttpQueryHeaders(call.h, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size,
                           WINHTTP_NO_HEADER_INDEX)) {
    answer.error = failure("reading the status");
    return answer;
  }
  answer.status = static_cast<int>(status);
  return answer;
}

}  // namespace kolvar::platform
