#pragma once
// The note of a run, "runs/NAME.txt" beside its record: plain UTF-8 that a
// text editor opens. A few "key: value" lines head it, a blank line ends
// them, and free text follows:
//
//   charge: 30 L
//   charge strength: 40 %vol
//   hearts: 4.2 L
//   hearts strength: 94.6 %vol
//
//   Хорошие сердца, к концу запах сивухи.
//
// Nothing a person wrote is lost: a heading line that is no "key: value"
// (one that starts with a blank, or has no colon) is kept as free text, and
// keys this program does not know are written back as they were.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace kolvar::journal {

// The keys this program fills; a value carries its unit after a space.
namespace note_key {
inline constexpr std::string_view kCharge = "charge";                   // L
inline constexpr std::string_view kChargeStrength = "charge strength";  // %vol
inline constexpr std::string_view kHeads = "heads";                     // L
inline constexpr std::string_view kHeadsStrength = "heads strength";    // %vol
inline constexpr std::string_view kHearts = "hearts";                   // L
inline constexpr std::string_view kHeartsStrength = "hearts strength";  // %vol
inline constexpr std::string_view kTails = "tails";                     // L
inline constexpr std::string_view kTailsStrength = "tails strength";    // %vol
inline constexpr std::string_view kPower = "power";                     // W
inline constexpr std::string_view kPressure = "pressure";               // hPa
}  // namespace note_key

struct RunNote {
  // In the order of the file; a key appears once (a later line of the same
  // key is kept as free text rather than silently dropped).
  std::vector<std::pair<std::string, std::string>> fields;
  // Everything below the keys, and the heading's lines that were no keys
  // first, each line ending in '\n'.
  std::string text;

  std::optional<std::string> value(std::string_view key) const;
  // Replaces the key's value where it stands, or adds it at the end.
  void set(std::string_view key, std::string value);
  // Takes the key away; a note without it says nothing of it.
  void remove(std::string_view key);
  // The first line of free text that is not blank, without its blanks.
  std::string first_line() const;
};

RunNote parse_note(std::string_view text);
// "key: value" lines, a blank line, the free text; a note without fields is
// its text alone.
std::string note_text(const RunNote& note);

// None when the file is missing or cannot be read; the whole file, so that
// what is written back keeps all of it.
std::optional<RunNote> read_note(const std::filesystem::path& file);
// Whole or not at all (see atomic_replace.h); an empty result when written.
std::error_code write_note(const std::filesystem::path& file, const RunNote& note);

}  // namespace kolvar::journal
