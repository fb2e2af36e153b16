#include "settings/settings_glossary.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "form/setting_table.h"
#include "settings/value_forms.h"

namespace kolvar::settings {
namespace {

constexpr std::string_view kNone = "—";

constexpr std::string_view kFlagMeaning =
    "0 when this program wrote the file (every save writes 0); any other number makes a running "
    "program apply the file on its next cycle";

const char* const kHeader =
    "<!-- Generated from the settings table, src/form/setting_table.h. Do not edit this page:\n"
    "     change the table, then write the page again with\n"
    "     `cmake --build build --target settings_glossary`.\n"
    "     The test SettingsGlossary.TheDocsPageIsWhatTheTableGives fails while they differ. -->\n"
    "\n"
    "# The settings and their lines in \"mytunes.log\"\n"
    "\n"
    "Every setting lives in a control of the window, under the control's short name, and is\n"
    "saved in \"mytunes.log\" in the working folder: one value a line, in the order below, with\n"
    "no names in the file. A text box's text or a label's caption is written as it is; a menu\n"
    "item's check mark as `True` or `False`; a scroll bar's or check box's value as a whole\n"
    "number with one blank on either side (\" 880 \"). Every line ends with CR LF. Temperatures\n"
    "are held in tenths of a degree.\n"
    "\n"
    "*Initial* is what a fresh window holds, and so what the file written at the first start\n"
    "holds. *Default* is what \"По умолчанию\" of the settings panel puts back; it does not save\n"
    "(\"—\": the button leaves the setting as it is). A list gives the value of each control\n"
    "of an array in index order.\n"
    "\n"
    "| Line | Control | Kind | Initial | Default | Range | Meaning |\n"
    "|---|---|---|---|---|---|---|\n";

std::string kind_text(form::Kind kind) {
  switch (kind) {
    case form::Kind::TextBox:
      return "text box";
    case form::Kind::Label:
      return "label";
    case form::Kind::Menu:
      return "menu item";
    case form::Kind::ScrollBar:
      return "scroll bar";
    case form::Kind::CheckBox:
      return "check box";
    default:
      return std::string(form::kind_name(kind));
  }
}

std::string quoted(std::string_view text) {
  return "`\"" + std::string(text) + "\"`";
}

std::string number_text(const form::Setting& s, int value) {
  if (s.kind == form::Kind::Menu) return format_mark(value != 0);
  return std::to_string(value);
}

std::string initial_text(const form::Setting& s) {
  const bool array = s.count > 1;
  if (s.kind == form::Kind::TextBox || s.kind == form::Kind::Label)
    return quoted(s.text) + (array ? " each" : "");
  const auto first = s.values.begin();
  const auto last = first + s.count;
  if (array && std::all_of(first, last, [&](int v) { return v == *first; }))
    return number_text(s, *first) + " each";
  std::string text;
  for (auto v = first; v != last; ++v) text += (v == first ? "" : ", ") + number_text(s, *v);
  return text;
}

std::string default_text(const form::Setting& s) {
  if (!s.restored) return std::string(kNone);
  if (s.kind == form::Kind::TextBox || s.kind == form::Kind::Label) return quoted(s.text);
  return number_text(s, s.default_value());
}

std::string range_text(const form::Setting& s) {
  if (s.kind == form::Kind::ScrollBar)
    return std::to_string(std::min(s.top, s.bottom)) + " to " +
           std::to_string(std::max(s.top, s.bottom));
  if (s.kind == form::Kind::CheckBox) return "0 or 1";
  return std::string(kNone);
}

std::string control_text(const form::Setting& s) {
  std::string name(s.control.text());
  if (s.first == form::kNoIndex) return "`" + name + "`";
  if (s.count == 1) return "`" + name + "(" + std::to_string(s.first) + ")`";
  return "`" + name + "(" + std::to_string(s.first) + ".." + std::to_string(s.first + s.count - 1) +
         ")`";
}

std::string lines_text(int first, int count) {
  if (count == 1) return std::to_string(first);
  return std::to_string(first) + "-" + std::to_string(first + count - 1);
}

std::string row(std::initializer_list<std::string_view> cells) {
  std::string text = "|";
  for (std::string_view cell : cells) text += " " + std::string(cell) + " |";
  return text + "\n";
}

}  // namespace

std::string settings_glossary() {
  std::string page = kHeader;
  page += row({"1", kNone, "flag", "0", kNone, kNone, kFlagMeaning});
  int line = 2;
  for (const form::Setting& s : form::kSettings) {
    page += row({lines_text(line, s.count), control_text(s), kind_text(s.kind), initial_text(s),
                 default_text(s), range_text(s), s.meaning});
    line += s.count;
  }
  return page;
}

}  // namespace kolvar::settings
