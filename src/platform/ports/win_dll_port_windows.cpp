#include "platform/ports/win_dll_port.h"

#include <windows.h>

#include <utility>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

using DlPortWritePortUchar = void(WINAPI*)(ULONG port, UCHAR value);
using Out32 = void(WINAPI*)(short port, short value);

void call_dlportio(void (*function)(), std::uint8_t byte) {
  reinterpret_cast<DlPortWritePortUchar>(function)(WinDllPort::kAddress, byte);
}

void call_inpout32(void (*function)(), std::uint8_t byte) {
  reinterpret_cast<Out32>(function)(static_cast<short>(WinDllPort::kAddress),
                                    static_cast<short>(byte));
}

}  // namespace

std::unique_ptr<PortBackend> WinDllPort::dlportio() {
  return std::unique_ptr<PortBackend>(
      new WinDllPort("dlportio.dll", "DlPortWritePortUchar", call_dlportio));
}

std::unique_ptr<PortBackend> WinDllPort::inpout32() {
#if defined(_WIN64)
  return std::unique_ptr<PortBackend>(
      new WinDllPort("inpout32.dll", "Out32", call_inpout32, "inpoutx64.dll"));
#else
  return std::unique_ptr<PortBackend>(new WinDllPort("inpout32.dll", "Out32", call_inpout32));
#endif
}

WinDllPort::WinDllPort(std::string library, std::string function, Caller caller,
                       std::string fallback)
    : library_(std::move(library)),
      fallback_(std::move(fallback)),
      function_name_(std::move(function)),
      caller_(caller) {}

WinDllPort::~WinDllPort() {
  if (module_ != nullptr) FreeLibrary(static_cast<HMODULE>(module_));
}

unsigned long WinDllPort::bind() {
  if (module_ == nullptr) {
    module_ = LoadLibraryA(library_.c_str());
    if (module_ == nullptr) {
      // What the first name's failure was is what the backend reports when
      // the other does not load either.
      const unsigned long error = GetLastError();
      if (!fallback_.empty()) module_ = LoadLibraryA(fallback_.c_str());
      if (module_ == nullptr) return error;
    }
  }
  if (function_ == nullptr) {
    FARPROC found = GetProcAddress(static_cast<HMODULE>(module_), function_name_.c_str());
    function_ = reinterpret_cast<Function>(found);
  }
  return 0;
}

PortAvailability WinDllPort::availability() {
  const unsigned long error = bind();
  // Any other load error (a 32-bit library in a 64-bit program) means the
  // library is there but cannot serve.
  if (error == ERROR_MOD_NOT_FOUND || error == ERROR_FILE_NOT_FOUND)
    return PortAvailability::Absent;
  if (error != 0) return PortAvailability::Unusable;
  return function_ != nullptr ? PortAvailability::Usable : PortAvailability::Unusable;
}

void WinDllPort::write(std::uint8_t byte) {
  const unsigned long error = bind();
  if (error != 0) {
    throw Failure(library_ + ": библиотека не загружается (ошибка " + std::to_string(error) + ")");
  }
  if (function_ == nullptr) throw Failure(library_ + ": нет функции " + function_name_);
  caller_(function_, byte);
}

}  // namespace kolvar::platform
