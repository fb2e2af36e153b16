#include "view/stop_sound_setup.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/system_stop.h"
#include "platform/files/shared_file.h"

namespace kolvar::view {

void provide_stop_sound() {
  std::error_code error;
  const std::filesystem::path working = std::filesystem::current_path(error);
  if (error) return;
  const std::filesystem::path program_folder(
      QCoreApplication::applicationDirPath().toStdU16String());
  platform::copy_shared_file_if_missing(working, core::kStopSoundFile,
                                        platform::shared_folders(program_folder));
}

}  // namespace kolvar::view
