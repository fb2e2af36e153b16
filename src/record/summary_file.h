#pragma once
// A run's summary kept beside its record ("runs/NAME.summary"), so a table of
// a thousand runs reads a thousand small files, not a thousand records:
//
//   kolvar run summary 1          the layout's version
//   record_size: 1234567          the record's size in bytes when summarised
//   start: 2024-05-01 10:00:00
//   duration_ms: 28800000
//   ...                           one "key: value" a line, empty when none
//
// A file of another version, one that does not read, or one made from a
// record of another size is no summary of that record: it is made again.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "record/run_summary.h"

namespace kolvar::record {

inline constexpr const char* kSummaryExtension = ".summary";

std::string summary_text(const RunSummary& summary, std::uintmax_t record_size);
std::optional<RunSummary> summary_of_text(std::string_view text, std::uintmax_t record_size);

}  // namespace kolvar::record
