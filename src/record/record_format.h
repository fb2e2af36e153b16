#pragma once
// The layout of a run record (UTF-8, RFC 4180):
//
//   #mytunes.log,1," 0 "          the settings in force at the start, one row
//   #mytunes.log,2,C:\...          per line of the settings file: its number and
//   ...                            its text (114 rows)
//   wall_time,seconds,T1,...,news,read_error   the header
//   2024-05-01 10:00:02,2,88.3,...             one row per cycle
//
// Every row is a valid CSV record; a reader that knows the layout skips the
// rows whose first field starts with "#" (pandas: comment="#"). Records
// written before the column "read_error" existed end at "news"; the columns
// before it never change, so a reader by position or by name reads both.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "record/sample.h"

namespace kolvar::record {

inline constexpr const char* kSettingsMark = "#mytunes.log";

const std::vector<std::string>& header_fields();
// The header of records written before the read-error mark: header_fields()
// without its last column.
const std::vector<std::string>& header_fields_without_marks();

// The roles in read error as the "read_error" column writes them: the names
// of their temperature columns, blank between ("T3", "T1 T4"); "" for none.
std::string read_error_field(const std::array<bool, 4>& read_error);
// The same read back; none for a text that names anything else.
std::optional<std::array<bool, 4>> read_error_of(const std::string& field);

// The settings rows and the header, one block of whole records.
std::string record_opening(const std::vector<std::string>& settings_lines);

// One cycle's row. The message panel's text is written only when it differs
// from the previous row's (`previous_news`, none for the first row).
std::string sample_record(const Sample& sample, const std::optional<std::string>& previous_news);

// The take-off type as the "takeoff" column writes it ("" for none).
const char* takeoff_field(Takeoff takeoff);

}  // namespace kolvar::record
