#include "plot/run_journal_dialog.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "journal/run_table_model.h"

namespace kolvar::plot {

// The toolkit-free table as Qt's item model: texts on demand, so a thousand
// runs cost no widgets.
class RunTableAdapter final : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void reset(journal::RunTableModel table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
  }
  const journal::RunTableModel& table() const { return table_; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows());
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(journal::RunTableModel::columns());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return QString::fromStdString(table_.cell(static_cast<std::size_t>(index.row()),
                                              static_cast<std::size_t>(index.column())));
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return QString::fromUtf8(journal::RunTableModel::title(static_cast<std::size_t>(section)));
  }

 private:
  journal::RunTableModel table_;
};

namespace {
const QString kOpen = QStringLiteral("Открыть");
const QString kBehind = QStringLiteral("Поставить фоном");
}  // namespace

RunJournalDialog::RunJournalDialog(QWidget* parent)
    : QDialog(parent), rows_(new RunTableAdapter(this)) {
  setWindowTitle(QStringLiteral("Журнал запусков"));
  table_ = new QTableView(this);
  table_->setModel(rows_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  // A double click, or Enter on a row (Qt calls both activation).
  connect(table_, &QAbstractItemView::activated, this, [this] { choose(open_); });
  connect(table_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { context_menu(at); });

  status_ = new QLabel(this);
  open_button_ = new QPushButton(kOpen, this);
  background_button_ = new QPushButton(kBehind, this);
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  // Enter belongs to the table's row, never to a button.
  for (QPushButton* button : {open_button_, background_button_, close}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  connect(open_button_, &QPushButton::clicked, this, [this] { choose(open_); });
  connect(background_button_, &QPushButton::clicked, this, [this] { choose(background_); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(open_button_);
  buttons->addWidget(background_button_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(1100, 420);
}

void RunJournalDialog::list(const std::filesystem::path& folder) {
  const QString where = QString::fromStdU16String(folder.u16string());
  try {
    rows_->reset(journal::RunTableModel::of_folder(folder));
    status_->setText(QStringLiteral("%1: запусков %2").arg(where).arg(rows_->table().rows()));
  } catch (const std::exception& e) {
    rows_->reset({});
    status_->setText(QStringLiteral("%1: %2").arg(where, QString::fromStdString(e.what())));
  }
  fit_columns();
  if (rows_->rowCount({}) > 0) table_->selectRow(0);
  const bool any = rows_->rowCount({}) > 0;
  open_button_->setEnabled(any);
  background_button_->setEnabled(any);
}

void RunJournalDialog::fit_columns() {
  // Each column as wide as its longest text and its title, the note taking
  // the rest. Styles draw titles bold, which their own measure may not
  // allow for.
  table_->resizeColumnsToContents();
  QFont bold = table_->horizontalHeader()->font();
  bold.setBold(true);
  const QFontMetrics measure(bold);
  for (int column = 0; column + 1 < rows_->columnCount({}); ++column) {
    const QString title = rows_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    table_->setColumnWidth(
        column, std::max(table_->columnWidth(column), measure.horizontalAdvance(title) + 20));
  }
}

QString RunJournalDialog::selected() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return {};
  const auto& record = rows_->table().record(static_cast<std::size_t>(rows.front().row()));
  return QString::fromStdU16String(record.u16string());
}

void RunJournalDialog::choose(const Choice& choice) {
  const QString record = selected();
  if (!record.isEmpty() && choice) choice(record);
}

void RunJournalDialog::context_menu(const QPoint& at) {
  const QModelIndex index = table_->indexAt(at);
  if (!index.isValid()) return;
  table_->selectRow(index.row());
  QMenu menu(this);
  connect(menu.addAction(kOpen), &QAction::triggered, this, [this] { choose(open_); });
  connect(menu.addAction(kBehind), &QAction::triggered, this, [this] { choose(background_); });
  menu.exec(table_->viewport()->mapToGlobal(at));
}

}  // namespace kolvar::plot
