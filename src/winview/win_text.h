#pragma once
// The model's texts are UTF-8 with CR LF line breaks; Win32's are UTF-16,
// with CR LF too.
#include <string>
#include <string_view>

#include "winview/win32.h"

namespace kolvar::winview {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);
// A caption for a button, check box, frame or menu, where & would mark a
// shortcut.
std::wstring caption(std::string_view utf8);
// A window's text, as UTF-8.
std::string window_text(HWND hwnd);

}  // namespace kolvar::winview
