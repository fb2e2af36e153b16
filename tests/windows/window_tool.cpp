// For tests that work a program's windows from outside, as the operator does,
// under wine on a virtual display:
//   window_tool origin CLASS   prints where the client area of the top-level
//                              window of that class lies on the screen,
//                              "LEFT TOP WIDTH HEIGHT" in pixels (under wine
//                              the X display's own coordinates)
//   window_tool close CLASS    asks that window to close, as its close box
//                              does (WM_CLOSE)
//   window_tool ctrl CLASS C   brings that window to the front and types
//                              Ctrl with the key of the character C on it
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
  const bool ctrl = argc == 4 && std::strcmp(argv[1], "ctrl") == 0;
  if (argc != 3 && !ctrl) {
    std::fprintf(stderr, "usage: window_tool origin|close CLASS, window_tool ctrl CLASS C\n");
    return 2;
  }
  // The program's coordinates are the screen's pixels, not scaled ones.
  SetProcessDPIAware();
  HWND window = FindWindowW(wide(argv[2]).c_str(), nullptr);
  if (window == nullptr) return 1;
  if (std::strcmp(argv[1], "close") == 0) {
    return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (ctrl) {
    const SHORT key = VkKeyScanW(static_cast<wchar_t>(argv[3][0]));
    if (key == -1) return 2;
    SetForegroundWindow(window);
    INPUT keys[4] = {};
    for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = keys[2].ki.wVk = static_cast<WORD>(LOBYTE(key));
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(4, keys, sizeof(INPUT)) == 4 ? 0 : 1;
  }
  POINT origin{0, 0};
  RECT client{};
  ClientToScreen(window, &origin);
  GetClientRect(window, &client);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  return 0;
}
