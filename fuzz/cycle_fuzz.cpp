// The control cycle fed with operator commands, setting overrides and
// logger lines drawn from the input: the safety rules of the randomized
// test hold, and every control's text stays valid UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "form/utf8.h"
#include "fuzz_support.h"
#include "support/safety_run.h"

using namespace kolvar;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::enter_scratch_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::filesystem::remove("mytunes.log");
  std::filesystem::remove("keeper.log");
  FuzzedDataProvider input(data, size);
  testing::SafetyRun run(
      [&](std::uint32_t n) { return input.ConsumeIntegralInRange<std::uint32_t>(0, n - 1); },
      [&] {
        // What an operator types is text: the desktop view hands over UTF-8.
        std::string text = input.ConsumeRandomLengthString(40);
        return form::is_utf8(text) ? text : std::string("0");
      });
  for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
    const std::string broken = run.step();
    fuzz::require(broken.empty(), "the safety rules hold", broken);
    fuzz::require_utf8_controls(run.controller());
  }
  return 0;
}
