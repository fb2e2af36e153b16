#pragma once
// The user's decimal separator, from the user's regional settings.
#include "platform/services.h"

namespace kolvar::winview {

class WinLocale : public platform::Locale {
 public:
  // "," where the user writes 99,5; "." otherwise.
  char decimal_separator() const override;
};

}  // namespace kolvar::winview
