#pragma once
// "Журнал запусков": the runs of a folder in a table, newest first, with the
// columns kolvar-plot --runs prints. A double click or Enter opens a run; the
// second choice, a button or the table's context menu, puts the selected run
// behind the plot. The dialog stays open while the operator picks.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTableView>
#include <filesystem>
#include <functional>

namespace kolvar::plot {

class RunTableAdapter;

class RunJournalDialog : public QDialog {
 public:
  using Choice = std::function<void(const QString& record)>;

  explicit RunJournalDialog(QWidget* parent = nullptr);

  // Lists `folder` anew; a folder that cannot be listed leaves the table
  // empty and says why under it.
  void list(const std::filesystem::path& folder);
  void on_open(Choice open) { open_ = std::move(open); }
  void on_background(Choice background) { background_ = std::move(background); }

  QTableView& table() { return *table_; }
  QPushButton& open_button() { return *open_button_; }
  QPushButton& background_button() { return *background_button_; }
  QString status() const { return status_->text(); }
  // The record of the selected row; empty when none is.
  QString selected() const;

 private:
  void choose(const Choice& choice);
  void fit_columns();
  void context_menu(const QPoint& at);

  RunTableAdapter* rows_;
  QTableView* table_;
  QLabel* status_;
  QPushButton* open_button_;
  QPushButton* background_button_;
  Choice open_;
  Choice background_;
};

}  // namespace kolvar::plot
