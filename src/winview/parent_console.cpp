#include "winview/parent_console.h"

#include <windows.h>

#include <cstdio>

namespace kolvar::winview {

namespace {

bool leads_somewhere(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void attach_parent_console() {
  const bool out = leads_somewhere(STD_OUTPUT_HANDLE);
  const bool err = leads_somewhere(STD_ERROR_HANDLE);
  if (out && err) return;  // redirected: a pipe or a file is there already
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!out) (void)std::freopen("CONOUT$", "w", stdout);
  if (!err) (void)std::freopen("CONOUT$", "w", stderr);
}

}  // namespace kolvar::winview
