#include "view/web_badge.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <string_view>

#include "remote/qr_code.h"

namespace kolvar::view {

QImage qr_image(const QString& text, int scale) {
  const QByteArray bytes = text.toUtf8();
  const remote::QrCode code =
      remote::qr_code(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (code.empty()) return {};
  constexpr int kQuiet = remote::kQrQuietModules;
  const int size = code.size + 2 * kQuiet;
  QImage image(size * scale, size * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < code.size; ++y)
    for (int x = 0; x < code.size; ++x)
      if (code.dark_at(x, y))
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
