#pragma once
// The stop sound for a working folder that has none.

namespace kolvar::view {

// Copies the installed stop sound into the current folder unless the folder
// has one already; silent when there is nothing to copy. Call after the
// QApplication exists (it asks for the program's folder).
void provide_stop_sound();

}  // namespace kolvar::view
