#pragma once
// The web page's address in the window: a small button at the right of the
// status line that shows the address and, for a phone to scan, its QR code.
#include <QImage>
#include <QString>

#include "view/main_window.h"

namespace kolvar::view {

// Adds the button; `url` carries the token when there is one.
void show_web_address(MainWindow& window, const QString& url);

// The QR code of `text`, `scale` pixels a module, with the quiet zone round
// it; a null image when the text cannot be encoded.
QImage qr_image(const QString& text, int scale = 6);

}  // namespace kolvar::view
