// kolvar: the operator's window over the controller, on real time, in Qt.
// Its settings live in "mytunes.log" in the working folder; its options are
// the web page's, the alerts' and the GPIO lines that stand for the port's
// data pins (the port file beside the settings may say those too).
#include "qtlaunch/kolvar_window.h"

int main(int argc, char** argv) {
  return kolvar::qtlaunch::run_kolvar(argc, argv);
}
