// Binds the port-access libraries as the controller does, from folders that
// the build fills with stand-ins: an empty one, one whose dlportio.dll lacks
// its write function, and one where both libraries work and record the call.
#include <windows.h>

#include <string>

#include "check.h"
#include "platform/failure.h"
#include "platform/ports/win_dll_port.h"

namespace {

using kolvar::platform::PortAvailability;
using kolvar::platform::PortBackend;
using kolvar::platform::WinDllPort;

// Libraries are looked for in this folder (below the working folder) next.
void search_in(const char* folder) {
  char full[MAX_PATH];
  GetFullPathNameA(folder, MAX_PATH, full, nullptr);
  SetDllDirectoryA(full);
}

// The failure text of a write, or "" when the write went through.
std::string write_failure(PortBackend& port, std::uint8_t byte) {
  try {
    port.write(byte);
    return "";
  } catch (const kolvar::Failure& f) {
    return f.what();
  }
}

// What the stand-in loaded under that name last received: {port, value}.
std::pair<int, int> last_write(const char* library) {
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) return {-2, -2};
  auto port = reinterpret_cast<int (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, "kolvar_fake_last_port")));
  auto value = reinterpret_cast<int (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, "kolvar_fake_last_value")));
  return {port(), value()};
}

void missing_libraries_are_absent() {
  search_in("no-libraries");
  auto dlportio = WinDllPort::dlportio();
  auto inpout32 = WinDllPort::inpout32();
  CHECK(dlportio->availability() == PortAvailability::Absent);
  CHECK(inpout32->availability() == PortAvailability::Absent);
  CHECK(write_failure(*dlportio, 1).starts_with("dlportio.dll: "));
  CHECK(write_failure(*inpout32, 1).starts_with("inpout32.dll: "));
}

void missing_function_is_unusable() {
  search_in("without-function");
  auto dlportio = WinDllPort::dlportio();
  CHECK(dlportio->availability() == PortAvailability::Unusable);
  CHECK(write_failure(*dlportio, 1) == "dlportio.dll: нет функции DlPortWritePortUchar");
}

void bound_functions_get_port_888_and_the_byte() {
  search_in("working");
  auto dlportio = WinDllPort::dlportio();
  auto inpout32 = WinDllPort::inpout32();
  CHECK(dlportio->availability() == PortAvailability::Usable);
  CHECK(inpout32->availability() == PortAvailability::Usable);
  CHECK(write_failure(*dlportio, 129).empty());
  CHECK((last_write("dlportio.dll") == std::pair{888, 129}));
  // Out32 takes 16-bit signed numbers; 255 must arrive as 255, not -1.
  CHECK(write_failure(*inpout32, 255).empty());
  CHECK((last_write("inpout32.dll") == std::pair{888, 255}));
}

// A 64-bit program takes inpoutx64.dll where inpout32.dll is not found, and
// still names the backend inpout32.dll; a 32-bit one never looks for it.
void inpoutx64_stands_in_for_inpout32_in_64_bits() {
  search_in("x64-only");
  auto inpout32 = WinDllPort::inpout32();
  CHECK(inpout32->name() == "inpout32.dll");
#if defined(_WIN64)
  CHECK(inpout32->availability() == PortAvailability::Usable);
  CHECK(write_failure(*inpout32, 200).empty());
  CHECK((last_write("inpoutx64.dll") == std::pair{888, 200}));
#else
  CHECK(inpout32->availability() == PortAvailability::Absent);
  CHECK(write_failure(*inpout32, 200).starts_with("inpout32.dll: "));
#endif
}

}  // namespace

int main() {
  // Each case's backends are gone, and their libraries unloaded, before the
  // next case looks for libraries of the same names elsewhere.
  missing_libraries_are_absent();
  missing_function_is_unusable();
  bound_functions_get_port_888_and_the_byte();
  inpoutx64_stands_in_for_inpout32_in_64_bits();
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
