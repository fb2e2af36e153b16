#include "winview/win_locale.h"

#include "winview/win32.h"

namespace kolvar::winview {

char WinLocale::decimal_separator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 &&
      separator[0] == L',' && separator[1] == L'\0')
    return ',';
  return '.';
}

}  // namespace kolvar::winview
