// For tests that click a program's controls from outside, as the operator
// does: prints where the client area of the first shown top-level window
// whose title begins with TITLE lies on the screen, "LEFT TOP WIDTH HEIGHT"
// in pixels. Under wine these are the X display's own coordinates.
//   window_origin TITLE        exit code 1 when no such window is shown
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  std::wstring prefix;
  HWND found = nullptr;
};

std::wstring wide(const char* utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), n);
  text.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));
  return text;
}

BOOL CALLBACK look(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t title[512];
  const int length = GetWindowTextW(window, title, 512);
  if (std::wstring(title, static_cast<std::size_t>(length)).rfind(search->prefix, 0) != 0) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_origin TITLE\n");
    return 2;
  }
  // The program's coordinates are the screen's pixels, not scaled ones.
  SetProcessDPIAware();
  Search search{wide(argv[1])};
  EnumWindows(look, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  POINT origin{0, 0};
  RECT client{};
  ClientToScreen(search.found, &origin);
  GetClientRect(search.found, &client);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  return 0;
}
