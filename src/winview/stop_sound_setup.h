#pragma once
// The stop sound for a working folder that has none.

namespace kolvar::winview {

// Copies the stop sound installed beside the program into the current
// folder unless the folder has one already; silent when there is nothing to
// copy.
void provide_stop_sound();

}  // namespace kolvar::winview
