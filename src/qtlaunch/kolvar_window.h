#pragma once
// kolvar in Qt: the operator's window over the controller, on real time.
namespace kolvar::qtlaunch {

// The whole program; its exit status.
int run_kolvar(int& argc, char** argv);

}  // namespace kolvar::qtlaunch
