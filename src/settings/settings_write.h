#pragma once
// The settings file's content as the controls hold it now.
#include <string>
#include <vector>

#include "form/controller.h"

namespace kolvar::settings {

// The 114 lines without line ends: the flag as 0, then every setting in its
// form. Text lines are in the file's encoding (see path_encoding.h); throws
// kolvar::Failure when a text cannot be put into it.
std::vector<std::string> settings_file_lines(const form::Controller& c);

}  // namespace kolvar::settings
