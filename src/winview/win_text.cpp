#include "winview/win_text.h"

#include "platform/wide_text.h"

namespace kolvar::winview {

std::wstring wide(std::string_view utf8) {
  return platform::wide_from_utf8(utf8);
}

std::string utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring caption(std::string_view utf8) {
  std::wstring out;
  for (wchar_t ch : wide(utf8)) {
    out += ch;
    if (ch == L'&') out += L'&';
  }
  return out;
}

std::string window_text(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got));
  return utf8(text);
}

}  // namespace kolvar::winview
