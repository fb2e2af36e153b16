#pragma once
// The settings file's content as the controls hold it now.
#include <string>
#include <vector>

#include "form/controller.h"
#include "form/form.h"

namespace kolvar::settings {

// The 114 lines without line ends: the flag as 0, then every setting in its
// form, texts in UTF-8 as the window shows them.
std::vector<std::string> settings_in_force(const form::Form& form);

// The same lines as the file holds them, texts in the file's encoding (see
// path_encoding.h); throws kolvar::Failure when a text cannot be put into it.
std::vector<std::string> settings_file_lines(const form::Controller& c);

}  // namespace kolvar::settings
