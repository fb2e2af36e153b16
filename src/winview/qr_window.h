#pragma once
// The web page's address for a phone, as the Qt window shows it: its QR code,
// the address itself to select and copy, and a word on the token. A window
// of its own, owned by the main window, so it stands above it.
#include <string>

#include "remote/qr_code.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class QrWindow : public WindowObject {
 public:
  // Shown at once, over the middle of `owner`.
  QrWindow(HWND owner, const std::string& url);
  ~QrWindow();

  const remote::QrCode& code() const { return code_; }

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  void paint();
  int module() const;

  remote::QrCode code_;
  double scale_ = 1;
  HFONT font_ = nullptr;
};

}  // namespace kolvar::winview
