#pragma once
// The model's texts are UTF-8 with CR LF line breaks; Qt's are QStrings with LF.
#include <QString>
#include <string>

namespace kolvar::view {

QString qt_text(const std::string& text);
std::string model_text(const QString& text);
// A caption for a button, check box or menu, where & would mark a shortcut.
QString qt_caption(const std::string& text);

}  // namespace kolvar::view
