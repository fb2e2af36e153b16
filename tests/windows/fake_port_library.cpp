// Stand-ins for the port-access libraries. Built as dlportio.dll with
// FAKE_DLPORTIO, as inpout32.dll with FAKE_INPOUT32, and as a dlportio.dll
// without its write function with neither. The last write is read back
// through the two kolvar_fake_last_* functions.
#include <windows.h>

namespace {
int last_port = -1;
int last_value = -1;
}  // namespace

extern "C" {

__declspec(dllexport) int kolvar_fake_last_port() {
  return last_port;
}

__declspec(dllexport) int kolvar_fake_last_value() {
  return last_value;
}

#if defined(FAKE_DLPORTIO)
__declspec(dllexport) void WINAPI DlPortWritePortUchar(ULONG port, UCHAR value) {
  last_port = static_cast<int>(port);
  last_value = value;
}
#elif defined(FAKE_INPOUT32)
__declspec(dllexport) void WINAPI Out32(short port, short value) {
  last_port = port;
  last_value = value;
}
#else
// The read function alone: the library is there, the write is not.
__declspec(dllexport) UCHAR WINAPI DlPortReadPortUchar(ULONG) {
  return 0;
}
#endif
}
