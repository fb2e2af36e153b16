#include "journal/note_entries.h"

#include <charconv>
#include <cstdio>

namespace kolvar::journal {

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A limit of a range as a person writes it: "1000", "0.5".
std::string limit_text(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

std::optional<std::string> typed_number(std::string_view typed) {
  typed = trimmed(typed);
  std::string number;
  bool digits = false;
  bool point = false;
  for (char c : typed) {
    if (c >= '0' && c <= '9') {
      digits = true;
      number += c;
    } else if ((c == '.' || c == ',') && !point) {
      point = true;
      if (number.empty()) number += '0';
      number += '.';
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  if (number.back() == '.') number.pop_back();
  return number;
}

NoteEntries entries_of(const RunNote& note) {
  NoteEntries entries;
  for (std::size_t i = 0; i < kNoteMeasures.size(); ++i) {
    const NoteMeasure& m = kNoteMeasures[i];
    const std::optional<std::string> value = note.value(m.key);
    if (!value) continue;
    std::string_view shown = *value;
    // Only the unit the program writes is taken off; "30 gal" stays whole.
    if (shown.ends_with(m.unit) && shown.size() > m.unit.size() &&
        shown[shown.size() - m.unit.size() - 1] == ' ')
      shown = trimmed(shown.substr(0, shown.size() - m.unit.size()));
    entries.measures[i] = typed_number(shown) ? std::string(shown) : *value;
  }
  entries.text = note.text;
  return entries;
}

std::optional<EntryRefusal> apply_entries(const NoteEntries& opened, const NoteEntries& edited,
                                          RunNote& note) {
  RunNote out = note;
  for (std::size_t i = 0; i < kNoteMeasures.size(); ++i) {
    const NoteMeasure& m = kNoteMeasures[i];
    if (edited.measures[i] == opened.measures[i]) continue;
    const std::string_view typed = trimmed(edited.measures[i]);
    if (typed.empty()) {
      out.remove(m.key);
      continue;
    }
    const std::optional<std::string> number = typed_number(typed);
    double value = -1;
    if (number) std::from_chars(number->data(), number->data() + number->size(), value);
    if (!number || value < m.min || value > m.max)
      return EntryRefusal{i, "«" + std::string(m.caption) + "»: нужно число от " +
                                 limit_text(m.min) + " до " + limit_text(m.max) +
                                 " (дробная часть через точку или запятую) или пустое поле."};
    out.set(m.key, *number + ' ' + std::string(m.unit));
  }
  const std::string text = unix_lines(edited.text);
  if (text != unix_lines(opened.text)) out.text = text;
  note = std::move(out);
  return std::nullopt;
}

std::string unix_lines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      out += '\n';
    }
  }
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

}  // namespace kolvar::journal
