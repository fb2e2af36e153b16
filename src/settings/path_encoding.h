#pragma once
// The two path lines are the only lines of the settings file that can carry
// characters outside ASCII. Inside the program and in the files it writes,
// on every platform, paths are UTF-8; files of older Windows set-ups hold them
// in Windows-1251.
#include <string>
#include <string_view>

namespace kolvar::settings {

// A path line as read from the file, in UTF-8. Valid UTF-8 is taken as it is;
// anything else is decoded from Windows-1251, a byte without a character
// there becoming U+FFFD. Throws kolvar::Failure when the system cannot convert
// at all.
std::string decode_path_line(std::string_view raw);

// A UTF-8 path as the file holds it: unchanged, so that a settings file moves
// between Linux and Windows as it is.
std::string encode_path_line(std::string_view utf8);

}  // namespace kolvar::settings
