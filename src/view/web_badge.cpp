#include "view/web_badge.h"

#include <qrencode.h>

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace kolvar::view {

QImage qr_image(const QString& text, int scale) {
  const QByteArray bytes = text.toUtf8();
  // Medium correction: a screen photographed at an angle still reads.
  std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
  if (!code) return {};
  constexpr int kQuiet = 4;  // modules of white round the code
  const int size = code->width + 2 * kQuiet;
  QImage image(size * scale, size * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < code->width; ++y)
    for (int x = 0; x < code->width; ++x)
      if (code->data[y * code->width + x] & 1)
        for (int dy = 0; dy < scale; ++dy)
          for (int dx = 0; dx < scale; ++dx)
            image.setPixel((x + kQuiet) * scale + dx, (y + kQuiet) * scale + dy, qRgb(0, 0, 0));
  return image;
}

void show_web_address(MainWindow& window, const QString& url) {
  auto* button = new QToolButton(&window);
  button->setObjectName(QStringLiteral("web_address"));
  button->setText(QStringLiteral("Веб-страница"));
  button->setToolTip(url);
  button->setAutoRaise(true);
  window.statusBar()->addPermanentWidget(button);
  QObject::connect(button, &QToolButton::clicked, &window, [&window, url] {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName(QStringLiteral("web_qr"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Страница колонны на телефоне"));
    auto* layout = new QVBoxLayout(dialog);
    auto* picture = new QLabel(dialog);
    picture->setPixmap(QPixmap::fromImage(qr_image(url)));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto* address = new QLabel(url, dialog);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    address->setWordWrap(true);
    layout->addWidget(address);
    layout->addWidget(new QLabel(
        QStringLiteral("Наведите камеру телефона на код. Страница только показывает ход\n"
                       "процесса; ключ в адресе никому не передавайте."),
        dialog));
    dialog->show();
  });
}

}  // namespace kolvar::view
