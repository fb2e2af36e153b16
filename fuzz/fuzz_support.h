#pragma once
// What every fuzz target shares: a working folder on a tmpfs, so that the
// settings file's save (which flushes to disk) costs microseconds, and the
// checks that end a run with a report when a property does not hold.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "form/controller.h"
#include "form/utf8.h"

namespace kolvar::fuzz {

// Moves the process into a fresh folder under /dev/shm (or the temporary
// folder where there is none); the settings file and logs live there.
inline void enter_scratch_folder() {
  std::filesystem::path base = "/dev/shm";
  std::error_code ec;
  if (!std::filesystem::is_directory(base, ec)) base = std::filesystem::temp_directory_path();
  std::string pattern = (base / "kolvar-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
    std::perror("kolvar fuzz: no scratch folder");
    std::abort();
  }
}

[[noreturn]] inline void violated(std::string_view property, std::string_view detail) {
  std::fprintf(stderr, "property violated: %.*s\n%.*s\n", static_cast<int>(property.size()),
               property.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void require(bool holds, std::string_view property, std::string_view detail = {}) {
  if (!holds) violated(property, detail);
}

// Every text the window shows is well-formed UTF-8.
inline void require_utf8_controls(const form::Controller& c) {
  for (const auto& control : c.form.controls()) {
    require(form::is_utf8(control->text()), "every control's text is valid UTF-8",
            control->full_name());
  }
}

}  // namespace kolvar::fuzz
