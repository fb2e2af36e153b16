// The settings' path lines under Windows's own code-page conversion: the same
// cases as the iconv build's tests.
#include <string>

#include "check.h"
#include "settings/path_encoding.h"

int main() {
  using kolvar::settings::decode_path_line;
  // "C:\Программы\Тёмп №2\keeper.log" in Windows-1251 and in UTF-8.
  const std::string cp1251 =
      "C:\\\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\\xD2\xB8\xEC\xEF \xB9"
      "2\\keeper.log";
  const std::string utf8 = "C:\\Программы\\Тёмп №2\\keeper.log";
  CHECK(decode_path_line(cp1251) == utf8);
  CHECK(decode_path_line(utf8) == utf8);
  CHECK(decode_path_line("") == "");
  // Malformed UTF-8 (an overlong slash, a surrogate, a cut sequence) is
  // Windows-1251.
  CHECK(decode_path_line("\xC0\xAF") == "АЇ");
  CHECK(decode_path_line("\xED\xA0\x80") == "н\u00A0Ђ");
  CHECK(decode_path_line("a\xD0") == "aР");
  CHECK(decode_path_line("\xCF\x98\xEE") == "П\uFFFDо");
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
