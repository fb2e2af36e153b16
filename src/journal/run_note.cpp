#include "journal/run_note.h"

#include <algorithm>
#include <fstream>

#include "platform/files/atomic_replace.h"

namespace kolvar::journal {

namespace {

// A key is a word or a few, never a sentence with a colon in it.
constexpr std::size_t kMaxKeyBytes = 80;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// The key and the value of a "key: value" line, none for any other line.
std::optional<std::pair<std::string, std::string>> key_line(std::string_view line) {
  const std::size_t colon = line.find(':');
  if (colon == 0 || colon == std::string_view::npos || colon > kMaxKeyBytes) return std::nullopt;
  if (line.front() == ' ' || line.front() == '\t') return std::nullopt;
  // "12:30 boiling" is a time in the text, not a key.
  if (colon + 1 != line.size() && line[colon + 1] != ' ' && line[colon + 1] != '\t' &&
      line[colon + 1] != '\r')
    return std::nullopt;
  return std::pair{std::string(trimmed(line.substr(0, colon))),
                   std::string(trimmed(line.substr(colon + 1)))};
}

}  // namespace

std::optional<std::string> RunNote::value(std::string_view key) const {
  for (const auto& [k, v] : fields)
    if (k == key) return v;
  return std::nullopt;
}

void RunNote::set(std::string_view key, std::string value) {
  // A value is one line; a line break in it would make keys of free text.
  std::replace_if(
      value.begin(), value.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  for (auto& [k, v] : fields)
    if (k == key) {
      v = std::move(value);
      return;
    }
  fields.emplace_back(std::string(key), std::move(value));
}

void RunNote::remove(std::string_view key) {
  std::erase_if(fields, [key](const auto& field) { return field.first == key; });
}

std::string RunNote::first_line() const {
  std::string_view rest(text);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = trimmed(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (!line.empty()) return std::string(line);
  }
  return {};
}

RunNote parse_note(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  RunNote note;
  std::string stray;  // heading lines that are no keys, free text before the rest
  bool heading = true;
  while (heading && !text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (trimmed(line).empty()) {
      heading = false;
      continue;
    }
    auto field = key_line(line);
    if (field && !note.value(field->first)) {
      note.fields.push_back(std::move(*field));
    } else {
      stray.append(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
      stray += '\n';
    }
  }
  note.text = std::move(stray);
  note.text.append(text);
  if (!note.text.empty() && note.text.back() != '\n') note.text += '\n';
  return note;
}

std::string note_text(const RunNote& note) {
  std::string out;
  for (const auto& [key, value] : note.fields) {
    out += key;
    out += ':';
    if (!value.empty()) out += ' ' + value;
    out += '\n';
  }
  // The blank line ends the keys even when no text follows, so a text added
  // later by hand under them is not taken for a key.
  if (!note.fields.empty()) out += '\n';
  out += note.text;
  return out;
}

std::optional<RunNote> read_note(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // Through the stream, never its buffer: a folder by the note's name opens
  // on some systems and then fails its first read, which the stream reports
  // as a bad state where the buffer would throw.
  std::string text;
  char chunk[4096];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return parse_note(text);
}

std::error_code write_note(const std::filesystem::path& file, const RunNote& note) {
  return platform::replace_atomically(file, note_text(note));
}

}  // namespace kolvar::journal
