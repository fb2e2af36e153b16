// For tests that work a program's windows from outside, as the operator does,
// under wine on a virtual display:
//   window_tool origin CLASS   prints where the client area of the top-level
//                              window of that class lies on the screen,
//                              "LEFT TOP WIDTH HEIGHT" in pixels (under wine
//                              the X display's own coordinates)
//   window_tool close CLASS    asks that window to close, as its close box
//                              does (WM_CLOSE)
// Exit code 1 when no window of that class is there.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::wstring wide(const char* text) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring result(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), n);
  result.resize(static_cast<std::size_t>(n - 1));
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_tool origin|close CLASS\n");
    return 2;
  }
  // The program's coordinates are the screen's pixels, not scaled ones.
  SetProcessDPIAware();
  HWND window = FindWindowW(wide(argv[2]).c_str(), nullptr);
  if (window == nullptr) return 1;
  if (std::strcmp(argv[1], "close") == 0) {
    return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  POINT origin{0, 0};
  RECT client{};
  ClientToScreen(window, &origin);
  GetClientRect(window, &client);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  return 0;
}
