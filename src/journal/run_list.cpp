#include "journal/run_list.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "chart/record_reader.h"
#include "journal/run_note.h"
#include "platform/files/atomic_replace.h"
#include "platform/system_reason.h"
#include "record/summary_file.h"

namespace kolvar::journal {

namespace fs = std::filesystem;

namespace {

// More than any summary or the head of any note holds; a stray big file
// costs no more than this.
constexpr std::size_t kSmallFileLimit = 64 * 1024;

std::optional<std::string> read_small(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kSmallFileLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

fs::path summary_path(const fs::path& record) {
  return fs::path(record).replace_extension(record::kSummaryExtension);
}

fs::path note_path(const fs::path& record) {
  return fs::path(record).replace_extension(".txt");
}

std::optional<record::RunSummary> summarise_record(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  record::SummaryBuilder builder;
  bool cut = false;
  try {
    chart::RecordReader reader(in);
    try {
      while (auto sample = reader.next()) builder.add(*sample);
      cut = reader.torn();
    } catch (const chart::RecordError&) {
      cut = true;
    }
  } catch (const chart::RecordError&) {
    return std::nullopt;
  }
  if (in.bad()) cut = true;
  return builder.finish(cut);
}

std::optional<record::RunSummary> cached_summary(const fs::path& file) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec) return std::nullopt;
  const fs::path cache = summary_path(file);
  if (const auto text = read_small(cache)) {
    // A record written to after its summary was made (a run under way) has
    // grown, so the size alone tells; the time guards against a record
    // replaced by another of the same size.
    const auto record_time = fs::last_write_time(file, ec);
    const auto cache_time = fs::last_write_time(cache, ec);
    if (!ec && cache_time >= record_time)
      if (auto summary = record::summary_of_text(*text, size)) return summary;
  }
  auto summary = summarise_record(file);
  if (!summary) return std::nullopt;
  // Whole or not at all, so a listing beside this one never reads half a
  // summary. A folder that takes no files costs the cache, no more.
  platform::replace_atomically(cache, record::summary_text(*summary, size));
  return summary;
}

std::string note_first_line(const fs::path& note) {
  const auto text = read_small(note);
  return text ? parse_note(*text).first_line() : std::string();
}

std::vector<RunEntry> list_runs(const fs::path& folder) {
  std::error_code ec;
  if (!fs::exists(folder, ec)) throw std::runtime_error("no such folder");
  if (!fs::is_directory(folder, ec)) throw std::runtime_error("not a folder");
  fs::directory_iterator it(folder, ec);
  if (ec) throw std::runtime_error(platform::system_reason(ec));
  std::vector<RunEntry> runs;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) throw std::runtime_error(platform::system_reason(ec));
    const fs::path& file = it->path();
    if (file.extension() != ".csv" || !it->is_regular_file(ec)) continue;
    auto summary = cached_summary(file);
    if (!summary) continue;
    runs.push_back({file, std::move(*summary), note_first_line(note_path(file))});
  }
  // Newest first; a record without rows has no start and goes by its name,
  // which is its start's stamp.
  std::ranges::sort(runs, [](const RunEntry& a, const RunEntry& b) {
    if (a.summary.start != b.summary.start) return a.summary.start > b.summary.start;
    return a.record.filename() > b.record.filename();
  });
  return runs;
}

}  // namespace kolvar::journal
