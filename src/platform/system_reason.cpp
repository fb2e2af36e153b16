#include "platform/system_reason.h"

namespace kolvar::platform {

std::string system_reason(const std::error_code& error) {
  const std::error_condition condition = error.default_error_condition();
  if (condition.category() == std::generic_category()) {
    switch (static_cast<std::errc>(condition.value())) {
      case std::errc::no_such_file_or_directory:
        return "файл или папка не найдены";
      case std::errc::permission_denied:
      case std::errc::operation_not_permitted:
        return "нет доступа";
      case std::errc::is_a_directory:
        return "это папка, а не файл";
      case std::errc::not_a_directory:
        return "в пути есть файл вместо папки";
      case std::errc::read_only_file_system:
        return "диск только для чтения";
      case std::errc::no_space_on_device:
        return "нет места на диске";
      case std::errc::device_or_resource_busy:
      case std::errc::text_file_busy:
        return "файл занят";
      case std::errc::executable_format_error:
        return "это не программа";
      default:
        break;
    }
  }
  return error.message();
}

}  // namespace kolvar::platform
