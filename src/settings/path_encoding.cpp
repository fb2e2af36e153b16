#include "settings/path_encoding.h"

#include <cerrno>
#include <cstdint>

#include "form/utf8.h"
#include "platform/failure.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace kolvar::settings {
namespace {

const char kFailure[] = "Не удалось перекодировать путь из файла настроек";

#ifndef _WIN32

// One conversion descriptor for one call; closed on every way out.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) throw Failure(kFailure);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input. A byte sequence that is invalid, incomplete or
  // has no character in the target gives `replacement` and is skipped.
  std::string convert(std::string_view input, std::string_view replacement) {
    std::string in(input);
    std::string out;
    char* in_ptr = in.data();
    std::size_t in_left = in.size();
    char buffer[256];
    while (in_left > 0) {
      char* out_ptr = buffer;
      std::size_t out_left = sizeof buffer;
      std::size_t rc = iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
      out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
      if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      out.append(replacement);
      ++in_ptr;
      --in_left;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

#else

std::wstring to_wide(std::string_view s, UINT code_page, DWORD flags) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(code_page, flags, s.data(), static_cast<int>(s.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, flags, s.data(), static_cast<int>(s.size()), wide.data(), n);
  return wide;
}

std::string from_wide(const std::wstring& w, UINT code_page) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(code_page, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                              nullptr, nullptr);
  if (n <= 0) throw Failure(kFailure);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

#endif

}  // namespace

#ifndef _WIN32

std::string decode_path_line(std::string_view raw) {
  // Not iconv's own UTF-8 to UTF-8 conversion: glibc takes forms past
  // U+10FFFF and 5- and 6-byte forms as valid.
  if (form::is_utf8(raw)) return std::string(raw);
  return Converter("UTF-8", "CP1251").convert(raw, "\xEF\xBF\xBD");
}

std::string encode_path_line(std::string_view utf8) {
  return std::string(utf8);
}

#else

// Untested here. The program writes the ANSI code page, so that is what a
// line that is not UTF-8 is read back as.
std::string decode_path_line(std::string_view raw) {
  if (form::is_utf8(raw)) return std::string(raw);
  return from_wide(to_wide(raw, CP_ACP, 0), CP_UTF8);
}

std::string encode_path_line(std::string_view utf8) {
  return from_wide(to_wide(utf8, CP_UTF8, 0), CP_ACP);
}

#endif

}  // namespace kolvar::settings
