// close_window CLASS: posts WM_CLOSE to the top-level window of that class,
// as the title bar's close button or a task manager would, so a smoke test
// can close a program under wine without a window manager. Exit code 0 when
// the window was found, 1 when not, 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: close_window CLASS\n", stderr);
    return 2;
  }
  const std::string name = argv[1];
  const std::wstring window_class(name.begin(), name.end());  // class names are ASCII
  HWND window = FindWindowW(window_class.c_str(), nullptr);
  if (!window) return 1;
  return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}
