#include "plot/plot_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <exception>

#include "chart/record_file.h"
#include "plot/plot_export.h"

namespace kolvar::plot {

namespace {
// The application's name follows it in the title bar.
const QString kTitle = QStringLiteral("График");
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
  connect(bar->addAction(QStringLiteral("Сохранить PNG…")), &QAction::triggered, this,
          [this] { choose_picture(QStringLiteral("PNG (*.png)"), QStringLiteral(".png")); });
  connect(bar->addAction(QStringLiteral("Сохранить SVG…")), &QAction::triggered, this,
          [this] { choose_picture(QStringLiteral("SVG (*.svg)"), QStringLiteral(".svg")); });
  statusBar()->showMessage(QStringLiteral(
      "Колесо мыши: масштаб времени; перетаскивание: сдвиг; двойной щелчок: весь ход"));
}

void PlotWindow::refresh() {
  plot_->data_changed();
}

QString PlotWindow::open_record(const QString& file) {
  chart::PlotModel loaded;
  chart::LoadedRecord how;
  try {
    how = chart::load_record(std::filesystem::path(file.toStdU16String()), loaded);
  } catch (const std::exception& e) {
    return QString::fromStdString(e.what());
  }
  model_ = std::move(loaded);
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
  try {
    background_ = chart::load_background(std::filesystem::path(file.toStdU16String()));
  } catch (const std::exception& e) {
    return QString::fromStdString(e.what());
  }
  plot_->set_background(&*background_);
  refresh();
  return {};
}

QString PlotWindow::save_picture(const QString& file) {
  const chart::BackgroundRun* behind = background_ ? &*background_ : nullptr;
  const QSize size = plot_->size().expandedTo(QSize(320, 200));
  return file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
             ? save_svg(model_, plot_->span(), size, file, behind)
             : save_png(model_, plot_->span(), size, file, behind);
}

void PlotWindow::choose_record() {
  const QString file = QFileDialog::getOpenFileName(
      this, QStringLiteral("Открыть запись хода"), QStringLiteral("runs"),
      QStringLiteral("Записи хода (*.csv);;Все файлы (*)"));
  if (file.isEmpty()) return;
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
    return;
  }
  target->show();
  target->raise();
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
