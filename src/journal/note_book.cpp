#include "journal/note_book.h"

#include <system_error>

#include "journal/run_list.h"
#include "platform/system_reason.h"

namespace kolvar::journal {

namespace fs = std::filesystem;

NoteBook::NoteBook(fs::path folder, Report report)
    : folder_(std::move(folder)), report_(std::move(report)) {}

NoteBook::Page NoteBook::open() const {
  Page page;
  page.starts = runs_.size();
  page.next_run = runs_.empty();
  page.file = page.next_run ? pending_file() : runs_.back();
  page.title =
      page.next_run ? "Журнал: следующий запуск" : "Журнал: запуск " + page.file.stem().string();
  page.entries = entries_of(read_note(page.file).value_or(RunNote{}));
  return page;
}

std::optional<std::string> NoteBook::save(const Page& page, const NoteEntries& edited) {
  const fs::path file =
      page.next_run && runs_.size() > page.starts ? runs_[page.starts] : page.file;
  return rewrite(file, [&](RunNote& note) -> std::optional<std::string> {
    if (auto refusal = apply_entries(page.entries, edited, note)) return refusal->message;
    return std::nullopt;
  });
}

void NoteBook::complete(const fs::path& record, const std::function<void(RunNote&)>& fill) {
  if (record.empty()) return;
  rewrite(note_path(record), [&fill](RunNote& note) -> std::optional<std::string> {
    fill(note);
    return std::nullopt;
  });
}

std::optional<std::string> NoteBook::rewrite(
    const fs::path& file, const std::function<std::optional<std::string>(RunNote&)>& change) {
  std::error_code ec;
  const bool there = fs::exists(file, ec);
  std::optional<RunNote> note = read_note(file);
  // What cannot be read is never written over: the operator's or another
  // program's text would be lost.
  if (!note && there) {
    const std::string message = "Не удалось прочитать заметку \"" + file.string() +
                                "\"; она не изменена. Сохраните текст заметок в другом месте.";
    report(message);
    return message;
  }
  if (!note) note.emplace();
  if (auto refused = change(*note)) return refused;
  fs::create_directories(file.parent_path(), ec);
  if (const std::error_code error = write_note(file, *note)) {
    const std::string message = "Не удалось записать заметку \"" + file.string() +
                                "\": " + platform::system_reason(error) + ".";
    report(message);
    return message;
  }
  return std::nullopt;
}

void NoteBook::run_began(const fs::path& record) {
  if (record.empty()) return;
  runs_.push_back(note_path(record));
  reported_ = false;
  const fs::path pending = pending_file();
  std::error_code ec;
  if (!fs::exists(pending, ec)) return;
  fs::rename(pending, runs_.back(), ec);
  if (ec)
    report("Заметка к запуску осталась в \"" + pending.string() +
           "\": не удалось перенести её в \"" + runs_.back().string() +
           "\": " + platform::system_reason(ec) + ".");
}

void NoteBook::report(const std::string& message) {
  if (reported_) return;
  reported_ = true;
  if (report_) report_(message);
}

}  // namespace kolvar::journal
