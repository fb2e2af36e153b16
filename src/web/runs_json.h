#pragma once
// The runs of the journal as the page's API gives them: each record's name,
// its summary in figures, and the first line of its note.
#include <string>
#include <vector>

#include "journal/run_list.h"

namespace kolvar::remote {

// The record's file name ("2024-05-01_10-00-00.csv"), the only name a request
// may ask a past run's record by.
std::string run_name(const journal::RunEntry& run);

// {"runs":[{"name":…,"start":"2024-05-01 10:00:00",…},…]} in the order given.
std::string runs_json(const std::vector<journal::RunEntry>& runs);

}  // namespace kolvar::remote
