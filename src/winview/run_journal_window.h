#pragma once
// "Журнал запусков" on Windows: the runs of a folder in a list view, newest
// first, with the columns kolvar-plot --runs prints. A double click or Enter
// opens a run; "Поставить фоном" puts the selected run behind the plot.
// Closing it only hides it; it stays while the operator picks.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "journal/run_table_model.h"
#include "winview/win32.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class RunJournalWindow final : public WindowObject {
 public:
  using Choice = std::function<void(const std::filesystem::path& record)>;

  // Owned by `owner` (it goes and comes with it); not shown yet.
  explicit RunJournalWindow(HWND owner);
  ~RunJournalWindow();

  // Lists `folder` anew; a folder that cannot be listed leaves the table
  // empty and says why under it.
  void list(const std::filesystem::path& folder);
  void on_open(Choice open) { open_ = std::move(open); }
  void on_background(Choice background) { background_ = std::move(background); }

  const journal::RunTableModel& rows() const { return rows_; }
  HWND table() const { return table_; }
  HWND open_button() const { return open_button_; }
  HWND background_button() const { return background_button_; }
  std::string status() const;
  // The selected row; none when none is.
  std::optional<std::size_t> selected() const;

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  void lay_out();
  void set_scale(double scale);
  void fit_columns();
  void choose(const Choice& choice);
  void cell_text(NMLVDISPINFOW& info) const;

  journal::RunTableModel rows_;
  HWND table_ = nullptr;
  HWND status_ = nullptr;
  HWND open_button_ = nullptr;
  HWND background_button_ = nullptr;
  HWND close_button_ = nullptr;
  HFONT font_ = nullptr;
  double scale_ = 1;
  Choice open_;
  Choice background_;
};

}  // namespace kolvar::winview
