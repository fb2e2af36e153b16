#include "platform/code_page.h"

#include <windows.h>

#include <climits>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

const char kFailure[] = "Не удалось перекодировать текст из Windows-1251";
constexpr UINT kWindows1251 = 1251;

int length_of(std::size_t size) {
  if (size > INT_MAX) throw Failure(kFailure);
  return static_cast<int>(size);
}

std::string to_utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length_of(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  if (n <= 0) throw Failure(kFailure);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length_of(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::string windows1251_to_utf8(std::string_view text) {
  if (text.empty()) return {};
  // A single-byte code page: one UTF-16 unit for each byte.
  std::wstring wide(text.size(), L'\0');
  if (MultiByteToWideChar(kWindows1251, 0, text.data(), length_of(text.size()), wide.data(),
                          length_of(wide.size())) != length_of(text.size())) {
    throw Failure(kFailure);
  }
  // Every byte from 0x80 to 0x9F is a letter or a sign in Windows-1251 but
  // 0x98, which the system passes through as the control U+0098.
  for (wchar_t& unit : wide) {
    if (unit >= 0x80 && unit <= 0x9F) unit = 0xFFFD;
  }
  return to_utf8(wide);
}

}  // namespace kolvar::platform
