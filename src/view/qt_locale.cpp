#include "view/qt_locale.h"

#include <QLocale>

namespace kolvar::view {

char decimal_separator_of(const QLocale& locale) {
  return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

char QtLocale::decimal_separator() const {
  return decimal_separator_of(QLocale());
}

}  // namespace kolvar::view
