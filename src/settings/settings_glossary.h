#pragma once
// The settings table as a page for readers: docs/settings.md.
#include <string>

namespace kolvar::settings {

// The whole page in Markdown: a row per line or run of lines of
// "mytunes.log", with its control, kind, initial value, default, range and
// meaning.
std::string settings_glossary();

}  // namespace kolvar::settings
