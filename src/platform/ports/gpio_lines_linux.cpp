#include "platform/ports/gpio_lines.h"

#include <gpiod.h>

#include <algorithm>
#include <cerrno>

namespace kolvar::platform {
namespace {

// The name the kernel shows as the lines' user (gpioinfo).
constexpr const char* kConsumer = "kolvar";

int last_error() {
  return errno != 0 ? -errno : -EIO;
}

class LibgpiodRequest final : public GpioLines::Request {
 public:
  LibgpiodRequest(gpiod_chip* chip, const gpiod_line_bulk& bulk) : chip_(chip), bulk_(bulk) {}
  ~LibgpiodRequest() override {
    gpiod_line_release_bulk(&bulk_);
    gpiod_chip_close(chip_);
  }
  LibgpiodRequest(const LibgpiodRequest&) = delete;
  LibgpiodRequest& operator=(const LibgpiodRequest&) = delete;

  int set(const std::vector<int>& levels) override {
    errno = 0;
    return gpiod_line_set_value_bulk(&bulk_, levels.data()) < 0 ? last_error() : 0;
  }

 private:
  gpiod_chip* chip_;
  gpiod_line_bulk bulk_;
};

class LibgpiodLines final : public GpioLines {
 public:
  Requested request_outputs(const std::string& name, const std::vector<unsigned>& offsets,
                            const std::vector<int>& levels) override {
    errno = 0;
    gpiod_chip* chip = gpiod_chip_open_lookup(name.c_str());
    // A lookup that found nothing to open may leave errno untouched.
    if (!chip) return {nullptr, errno != 0 ? -errno : -ENOENT};
    const unsigned count = gpiod_chip_num_lines(chip);
    if (std::any_of(offsets.begin(), offsets.end(), [&](unsigned o) { return o >= count; })) {
      gpiod_chip_close(chip);
      return {nullptr, -ERANGE};
    }
    std::vector<unsigned> wanted = offsets;
    gpiod_line_bulk bulk;
    gpiod_line_bulk_init(&bulk);
    errno = 0;
    if (gpiod_chip_get_lines(chip, wanted.data(), static_cast<unsigned>(wanted.size()), &bulk) <
            0 ||
        gpiod_line_request_bulk_output(&bulk, kConsumer, levels.data()) < 0) {
      const int error = last_error();
      gpiod_chip_close(chip);
      return {nullptr, error};
    }
    return {std::make_unique<LibgpiodRequest>(chip, bulk), 0};
  }
};

}  // namespace

GpioLines& system_gpio_lines() {
  static LibgpiodLines lines;
  return lines;
}

}  // namespace kolvar::platform
