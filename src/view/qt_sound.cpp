#include "view/qt_sound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <filesystem>

#include "desk/wave_file.h"
#include "platform/failure.h"

namespace kolvar::view {

void QtSound::play(const std::string& file) {
  const QString path = QFileInfo(QString::fromStdString(file)).absoluteFilePath();
  auto fail = [&](const char* why) {
    throw Failure("Не удалось воспроизвести звук: " + file + " (" + why + ")");
  };
  if (!QFileInfo::exists(path)) fail("файл не найден");
  if (!desk::is_wave_file(std::filesystem::path(path.toStdU16String())))
    fail("это не звуковой файл WAV");
  if (QMediaDevices::audioOutputs().isEmpty()) fail("нет устройства вывода звука");

  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>();
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, [this] {
      if (effect_->status() == QSoundEffect::Error && late_failure_) late_failure_();
    });
  }
  effect_->stop();
  effect_->setSource(QUrl::fromLocalFile(path));
  effect_->play();
}

}  // namespace kolvar::view
