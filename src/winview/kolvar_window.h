#pragma once
// kolvar.exe: the operator's window over the controller, on real time, in Win32.
namespace kolvar::winview {

// The whole program; its exit status.
int run_kolvar(int argc, char** argv);

}  // namespace kolvar::winview
