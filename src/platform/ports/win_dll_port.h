#pragma once
// Port backends for Windows through the two port-access libraries that give a
// user program the I/O port instructions: dlportio.dll (DlPortWritePortUchar)
// and inpout32.dll (Out32). Each writes the data register of the first
// parallel port, address 888, in one call.
//
// A 64-bit program cannot load a 32-bit library: the 64-bit build of
// inpout32 is inpoutx64.dll, with the same Out32. In a 64-bit program the
// second backend also tries that name when inpout32.dll does not load; it
// keeps the name inpout32.dll in every message, as the system's own texts
// name it.
//
// The library and its function are bound by name at first use, not linked, so
// the program starts without them. A library that is missing is looked for
// again on every use, so one installed while the program runs is picked up;
// once bound, it stays loaded for the backend's life.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ports/port_backend.h"

namespace kolvar::platform {

class WinDllPort final : public PortBackend {
 public:
  static constexpr std::uint16_t kAddress = 888;

  static std::unique_ptr<PortBackend> dlportio();
  static std::unique_ptr<PortBackend> inpout32();

  ~WinDllPort() override;
  WinDllPort(const WinDllPort&) = delete;
  WinDllPort& operator=(const WinDllPort&) = delete;

  std::string name() const override { return library_; }
  PortAvailability availability() override;
  void write(std::uint8_t byte) override;

 private:
  using Function = void (*)();
  // Calls the bound function with its own argument types.
  using Caller = void (*)(Function function, std::uint8_t byte);

  // fallback: another file of the same library to try when library does not
  // load (empty: none).
  WinDllPort(std::string library, std::string function, Caller caller, std::string fallback = {});
  // Loads the library and finds the function if not done yet; returns the
  // system error of LoadLibrary, or 0 when the library is loaded.
  unsigned long bind();

  std::string library_;
  std::string fallback_;
  std::string function_name_;
  Caller caller_;
  void* module_ = nullptr;
  Function function_ = nullptr;
};

}  // namespace kolvar::platform
