#pragma once
// A window whose messages go to a C++ object: the object given when the
// window is made answers them until the window is destroyed. Shared by the
// plot's and the simulator's windows.
#include "winview/win32.h"

namespace kolvar::winview {

class WindowObject {
 public:
  WindowObject() = default;
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  HWND hwnd() const { return hwnd_; }

 protected:
  // Destroys the window, if still there.
  ~WindowObject();
  // Makes the window of class `class_name` (registered at the first call)
  // with this object answering its messages; the class's cursor is the arrow
  // and its background `background` (none: the object paints it all).
  void create(const wchar_t* class_name, const wchar_t* title, DWORD style, DWORD ex_style,
              HWND parent, RECT bounds, HBRUSH background = nullptr, UINT class_style = 0);
  // The messages; what it does not handle goes to DefWindowProcW.
  virtual LRESULT handle(UINT message, WPARAM w, LPARAM l);

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);

  HWND hwnd_ = nullptr;
};

// Device pixels per logical pixel (96 per inch) of `hwnd`'s monitor.
double scale_of(HWND hwnd);
// A length in logical pixels in device pixels at `scale`, rounded.
int px(int logical, double scale);
// The system's message font at `scale`, for the windows' controls; the
// caller deletes it.
HFONT create_ui_font(double scale);
// The face of the system's message font (Tahoma where the system names
// none), for a font of another size.
LOGFONTW message_face();
// Gives `font` to `hwnd` and all its children.
void set_font_of_all(HWND hwnd, HFONT font);
// Gives `hwnd` and all its children the system's message font at `scale`
// in place of `*font`, which it deletes once they no longer hold it.
void rescale_ui_font(HWND hwnd, double scale, HFONT* font);
// UTF-8 to a window's text.
void set_text(HWND hwnd, const char* utf8);

}  // namespace kolvar::winview
