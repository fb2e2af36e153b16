#pragma once
// The editor of the run's note in Win32, as the Qt window has it: one line
// per measure, the free text under them, "Сохранить" and "Отмена". It binds
// fields only; which note it opens and what it writes are the note book's
// (journal/note_book.h). A window of its own owned by the main window, never
// modal, so the timers run on while the operator types; closing it otherwise
// than by "Сохранить" keeps the note as it was.
#include <array>

#include "journal/note_book.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class NoteWindow : public WindowObject {
 public:
  // The note book's current note, opened now and shown over `owner`.
  NoteWindow(HWND owner, journal::NoteBook& notes);
  ~NoteWindow();

  HWND measure(std::size_t index) const { return measures_[index]; }
  HWND text() const { return text_; }
  // Why the last "Сохранить" wrote nothing; hidden when it wrote.
  HWND refusal() const { return refusal_; }
  bool open() const { return hwnd() && IsWindowVisible(hwnd()); }

  // "Сохранить": written, the editor closes; else it stays with the reason.
  void save();

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  journal::NoteBook& notes_;
  journal::NoteBook::Page page_;
  std::array<HWND, journal::kNoteMeasures.size()> measures_{};
  HWND text_ = nullptr;
  HWND refusal_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace kolvar::winview
