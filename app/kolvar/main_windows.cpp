// kolvar.exe: the operator's window over the controller, on real time, in
// Win32, with the same options less the GPIO lines. A program of the GUI
// subsystem: what it prints reaches the console it was started from.
#include "winview/kolvar_window.h"

int main(int argc, char** argv) {
  return kolvar::winview::run_kolvar(argc, argv);
}
