#include "plot/plot_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <exception>

#include "chart/record_file.h"
#include "plot/plot_export.h"
#include "plot/run_journal_dialog.h"

namespace kolvar::plot {

namespace {
// The application's name follows it in the title bar.
const QString kTitle = QStringLiteral("График");
const QString kRecords = QStringLiteral("Записи хода (*.csv);;Все файлы (*)");

QString qt_path(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}
std::filesystem::path std_path(const QString& file) {
  return std::filesystem::path(file.toStdU16String());
}
}  // namespace

PlotWindow::PlotWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(kTitle);
  plot_ = new PlotWidget(model_, this);
  setCentralWidget(plot_);

  QToolBar* bar = addToolBar(QStringLiteral("График"));
  bar->setMovable(false);
  follow_ = bar->addAction(QStringLiteral("Следить"));
  follow_->setCheckable(true);
  follow_->setChecked(true);
  follow_->setToolTip(QStringLiteral("Показывать последнее время хода"));
  connect(follow_, &QAction::triggered, this, [this](bool) {
    plot_->follow();
    follow_->setChecked(true);
  });
  plot_->on_following([this](bool following) { follow_->setChecked(following); });
  bar->addSeparator();
  connect(bar->addAction(QStringLiteral("Открыть…")), &QAction::triggered, this,
          [this] { choose_record(); });
  journal_ = bar->addAction(QStringLiteral("Журнал запусков…"));
  journal_->setToolTip(QStringLiteral("Прошлые запуски: открыть или поставить фоном"));
  connect(journal_, &QAction::triggered, this, [this] { show_journal(); });
  bar->addSeparator();
  choose_background_ = bar->addAction(QStringLiteral("Фон…"));
  choose_background_->setToolTip(
      QStringLiteral("Показать бледно позади этого хода прошлый, от его старта"));
  connect(choose_background_, &QAction::triggered, this, [this] { choose_background(); });
  no_background_ = bar->addAction(QStringLiteral("Убрать фон"));
  no_background_->setEnabled(false);
  connect(no_background_, &QAction::triggered, this, [this] { clear_background(); });
  bar->addSeparator();
  connect(bar->addAction(QStringLiteral("Сохранить PNG…")), &QAction::triggered, this,
          [this] { choose_picture(QStringLiteral("PNG (*.png)"), QStringLiteral(".png")); });
  connect(bar->addAction(QStringLiteral("Сохранить SVG…")), &QAction::triggered, this,
          [this] { choose_picture(QStringLiteral("SVG (*.svg)"), QStringLiteral(".svg")); });
  statusBar()->showMessage(QStringLiteral(
      "Колесо мыши: масштаб времени; перетаскивание: сдвиг; двойной щелчок: весь ход"));
  chooser_ = [this](const QString& offered) {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Фон: прошлый ход"), offered,
                                        kRecords);
  };
}

PlotWindow::~PlotWindow() = default;

void PlotWindow::refresh() {
  plot_->data_changed();
}

QString PlotWindow::open_record(const QString& file) {
  chart::PlotModel loaded;
  chart::LoadedRecord how;
  try {
    how = chart::load_record(std_path(file), loaded);
  } catch (const std::exception& e) {
    return QString::fromStdString(e.what());
  }
  model_ = std::move(loaded);
  runs_.show(std_path(file));
  plot_->time().whole_run();
  follow_->setChecked(true);
  setWindowTitle(kTitle + QStringLiteral(" — ") + QFileInfo(file).fileName());
  statusBar()->showMessage(QStringLiteral("%1: строк %2%3")
                               .arg(QFileInfo(file).fileName())
                               .arg(how.samples)
                               .arg(how.torn ? QStringLiteral(", последняя оборвана") : QString()));
  refresh();
  return {};
}

QString PlotWindow::open_background(const QString& file) {
  if (const std::string error = runs_.open_background(std_path(file)); !error.empty())
    return QString::fromStdString(error);
  background_changed();
  return {};
}

void PlotWindow::clear_background() {
  runs_.clear_background();
  background_changed();
}

void PlotWindow::share_background(chart::BackgroundChoice& choice) {
  runs_.share_background(choice);
  background_changed();
}

void PlotWindow::background_changed() {
  const auto behind = runs_.background();
  no_background_->setEnabled(behind != nullptr);
  plot_->set_background(behind);
  refresh();
}

QString PlotWindow::offered_background() {
  return qt_path(runs_.offered_background());
}

void PlotWindow::choose_background() {
  const QString file = chooser_(offered_background());
  if (file.isEmpty()) return;
  if (const QString error = open_background(file); !error.isEmpty())
    QMessageBox::warning(this, kTitle,
                         QStringLiteral("Не удалось открыть «%1»: %2").arg(file, error));
}

RunJournalDialog& PlotWindow::show_journal() {
  if (!journal_dialog_) {
    journal_dialog_ = new RunJournalDialog(this);
    journal_dialog_->on_open([this](const QString& file) { show_record(file); });
    journal_dialog_->on_background([this](const QString& file) {
      if (const QString error = open_background(file); !error.isEmpty())
        QMessageBox::warning(journal_dialog_, kTitle,
                             QStringLiteral("Не удалось открыть «%1»: %2").arg(file, error));
    });
  }
  journal_dialog_->list(runs_.folder_to_list());
  journal_dialog_->show();
  journal_dialog_->raise();
  journal_dialog_->activateWindow();
  return *journal_dialog_;
}

QString PlotWindow::save_picture(const QString& file) {
  const auto shown_behind = runs_.background();
  const chart::BackgroundRun* behind = shown_behind.get();
  const QSize size = plot_->size().expandedTo(QSize(320, 200));
  return file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
             ? save_svg(model_, plot_->span(), size, file, behind)
             : save_png(model_, plot_->span(), size, file, behind);
}

void PlotWindow::choose_record() {
  const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Открыть запись хода"),
                                                    qt_path(runs_.runs_folder()), kRecords);
  if (!file.isEmpty()) show_record(file);
}

PlotWindow* PlotWindow::show_record(const QString& file) {
  PlotWindow* target = this;
  if (live_) {
    // The run under way keeps its window; the new one goes with it at the end.
    target = new PlotWindow(this);
    target->setAttribute(Qt::WA_DeleteOnClose);
    target->setAttribute(Qt::WA_QuitOnClose, false);
  }
  if (const QString error = target->open_record(file); !error.isEmpty()) {
    QMessageBox::warning(this, kTitle,
                         QStringLiteral("Не удалось открыть «%1»: %2").arg(file, error));
    if (target != this) delete target;
    return nullptr;
  }
  target->show();
  target->raise();
  return target;
}

void PlotWindow::choose_picture(const QString& filter, const QString& ending) {
  QString file =
      QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить график"), QString(), filter);
  if (file.isEmpty()) return;
  if (!file.endsWith(ending, Qt::CaseInsensitive)) file += ending;
  if (const QString error = save_picture(file); !error.isEmpty())
    QMessageBox::warning(this, kTitle,
                         QStringLiteral("Не удалось сохранить «%1»: %2").arg(file, error));
}

}  // namespace kolvar::plot
