#pragma once
// The Win32 headers this view uses, in the order they need, included through
// this file alone. <windows.h> names MessageBox as a macro for
// MessageBoxW, which would rename the platform's MessageBox interface: the
// macro goes, and this view calls MessageBoxW by that name where it needs it.
#include <windows.h>
// After <windows.h>, which they need.
#include <commctrl.h>
#include <mmsystem.h>

#ifdef MessageBox
#undef MessageBox
#endif
