#pragma once
// The user's decimal separator, from the locale the desktop runs in.
#include <QLocale>

#include "platform/services.h"

namespace kolvar::view {

// "," where the locale writes 99,5; "." otherwise (also for separators that
// are neither, which the settings file could not hold).
char decimal_separator_of(const QLocale& locale);

// The locale the desktop runs in.
class QtLocale : public platform::Locale {
 public:
  char decimal_separator() const override;
};

}  // namespace kolvar::view
