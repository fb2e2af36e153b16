// The settings file: start-up applies any bytes without failing, every
// control then holds valid UTF-8, and what a save writes reads back into the
// same file at the next start.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_support.h"
#include "settings/save.h"
#include "ui/headless.h"

using namespace kolvar;

namespace {

std::string file_bytes() {
  std::ifstream in("mytunes.log", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A program start on the file in the folder, then a save.
std::string start_and_save() {
  ui::Headless h;
  h.controller.start();
  fuzz::require(h.message_box.events.empty(), "start-up reports nothing",
                h.message_box.events.empty() ? "" : h.message_box.events[0].text);
  fuzz::require_utf8_controls(h.controller);
  settings::OK_Click(h.controller);
  return file_bytes();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::enter_scratch_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::ofstream("mytunes.log", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const std::string first = start_and_save();
  const std::string second = start_and_save();
  fuzz::require(first == second, "a saved file reads back as itself", first);
  return 0;
}
