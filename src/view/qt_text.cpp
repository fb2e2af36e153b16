#include "view/qt_text.h"

namespace kolvar::view {

QString qt_text(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

std::string model_text(const QString& text) {
  QString out = text;
  out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return out.toStdString();
}

QString qt_caption(const std::string& text) {
  return qt_text(text).replace(QStringLiteral("&"), QStringLiteral("&&"));
}

}  // namespace kolvar::view
