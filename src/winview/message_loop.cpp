#include "winview/message_loop.h"

#include <algorithm>
#include <cstdio>

#include "winview/win32.h"

namespace kolvar::winview {

namespace {

// One message: keyboard navigation of the window that has it (Tab, Enter
// on a box's OK) first, then the window's own procedure. False for WM_QUIT.
bool dispatch(MSG& message) {
  if (message.message == WM_QUIT) return false;
  HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (top && IsDialogMessageW(top, &message)) return true;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

}  // namespace

bool pump_waiting(const std::vector<Watch>& watches) {
  MSG message;
  bool quit = false;
  while (!quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    if (!dispatch(message)) {
      quit = true;
      // Seen here, the quit is left for the caller's loop too.
      PostQuitMessage(static_cast<int>(message.wParam));
    }
  // A wait takes an auto-reset handle's signal (the alarm's): whichever
  // wait sees it tells the watch.
  for (const Watch& watch : watches)
    if (WaitForSingleObject(reinterpret_cast<HANDLE>(watch.handle), 0) == WAIT_OBJECT_0 &&
        watch.ready)
      watch.ready();
  return !quit;
}

int run_message_loop(const std::function<std::vector<Watch>()>& watches) {
  for (;;) {
    const std::vector<Watch> now = watches ? watches() : std::vector<Watch>{};
    std::vector<HANDLE> handles;
    handles.reserve(now.size());
    for (const Watch& watch : now) handles.push_back(reinterpret_cast<HANDLE>(watch.handle));
    const auto count = static_cast<DWORD>(std::min<std::size_t>(handles.size(), 63));
    // Wakes for a handle or for any message, also one already in the queue
    // but not yet looked at (MWMO_INPUTAVAILABLE).
    const DWORD woke = MsgWaitForMultipleObjectsEx(count, handles.data(), INFINITE, QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
    if (woke == WAIT_FAILED) {
      // A handle that is no longer valid: the messages go on, the loop does
      // not spin on the failing wait.
      std::fprintf(stderr, "kolvar: waiting failed (%lu)\n", GetLastError());
      WaitMessage();
    } else if (woke >= WAIT_OBJECT_0 && woke < WAIT_OBJECT_0 + count) {
      // The wait took an auto-reset handle's signal: its watch runs now.
      const Watch& watch = now[woke - WAIT_OBJECT_0];
      if (watch.ready) watch.ready();
      continue;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!dispatch(message)) return static_cast<int>(message.wParam);
      // A handle that came due meanwhile is not kept waiting behind a long
      // stream of messages.
      const DWORD due =
          count > 0 ? WaitForMultipleObjects(count, handles.data(), FALSE, 0) : WAIT_TIMEOUT;
      if (due < WAIT_OBJECT_0 + count && now[due - WAIT_OBJECT_0].ready)
        now[due - WAIT_OBJECT_0].ready();
    }
  }
}

}  // namespace kolvar::winview
