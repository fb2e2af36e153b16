#include "platform/http_post.h"

namespace kolvar::platform {

// The Windows edition sends no alerts over HTTP yet (WinHTTP would carry
// them); the channel then fails as any unreachable one does.
bool http_available() {
  return false;
}

HttpAnswer http_post(const HttpRequest&, long) {
  return {0, "HTTP alerts are not in this edition"};
}

}  // namespace kolvar::platform
