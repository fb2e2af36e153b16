// Closes every window of a class, as the operator's click on its close box
// does (WM_CLOSE), for scripts that drive a real program under wine, where
// neither a window manager nor taskkill can be counted on.
//   close_window CLASS
// Exits 0 when it found one, 1 when none, 2 on a wrong command line.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  int closed = 0;
  for (HWND w = FindWindowExW(nullptr, nullptr, argv[1], nullptr); w;
       w = FindWindowExW(nullptr, w, argv[1], nullptr)) {
    PostMessageW(w, WM_CLOSE, 0, 0);
    ++closed;
  }
  return closed > 0 ? 0 : 1;
}
