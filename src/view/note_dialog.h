#pragma once
// The editor of the run's note in Qt: one line per measure, the free text
// under them, "Сохранить" and "Отмена". It binds fields only; which note it
// opens and what it writes are the note book's (journal/note_book.h). It is
// no modal dialog, so the timers run on while the operator types; closing it
// otherwise than by "Сохранить" keeps the note as it was.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "journal/note_book.h"

namespace kolvar::view {

class NoteDialog : public QDialog {
 public:
  // The note book's current note, opened now.
  NoteDialog(journal::NoteBook& notes, QWidget* parent);

  QLineEdit* measure(std::size_t index) const { return measures_[index]; }
  QPlainTextEdit* text() const { return text_; }
  // Why the last "Сохранить" wrote nothing; hidden when it wrote.
  QLabel* refusal() const { return refusal_; }
  const journal::NoteBook::Page& page() const { return page_; }

  // "Сохранить": written, the editor closes; else it stays with the reason.
  void save();

 private:
  journal::NoteBook& notes_;
  journal::NoteBook::Page page_;
  std::array<QLineEdit*, journal::kNoteMeasures.size()> measures_{};
  QPlainTextEdit* text_;
  QLabel* refusal_;
};

// Opens the editor beside `parent`, or brings the one already open to the
// front; deleted when it closes.
NoteDialog* edit_note(journal::NoteBook& notes, QWidget* parent);

}  // namespace kolvar::view
