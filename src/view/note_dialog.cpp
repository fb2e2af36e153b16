#include "view/note_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolvar::view {

namespace {

QString q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kObjectName = QStringLiteral("note_editor");

}  // namespace

NoteDialog::NoteDialog(journal::NoteBook& notes, QWidget* parent)
    : QDialog(parent),
      notes_(notes),
      page_(notes.open()),
      text_(new QPlainTextEdit(this)),
      refusal_(new QLabel(this)) {
  setObjectName(kObjectName);
  setWindowTitle(q(page_.title));
  auto* fields = new QFormLayout;
  for (std::size_t i = 0; i < measures_.size(); ++i) {
    const journal::NoteMeasure& m = journal::kNoteMeasures[i];
    auto* edit = new QLineEdit(q(page_.entries.measures[i]), this);
    edit->setObjectName(q(m.key));
    fields->addRow(q(m.caption), edit);
    measures_[i] = edit;
  }
  text_->setObjectName(QStringLiteral("note_text"));
  text_->setPlainText(q(page_.entries.text));
  text_->setTabChangesFocus(true);
  refusal_->setObjectName(QStringLiteral("note_refusal"));
  refusal_->setStyleSheet(QStringLiteral("color: #b00000"));
  refusal_->setWordWrap(true);
  refusal_->hide();
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Сохранить"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &NoteDialog::save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  column->addLayout(fields);
  column->addWidget(new QLabel(q(journal::kNoteTextCaption), this));
  column->addWidget(text_, 1);
  column->addWidget(refusal_);
  column->addWidget(buttons);
  resize(sizeHint().width() * 5 / 4, sizeHint().height());
}

void NoteDialog::save() {
  journal::NoteEntries edited;
  for (std::size_t i = 0; i < measures_.size(); ++i)
    edited.measures[i] = measures_[i]->text().toStdString();
  edited.text = text_->toPlainText().toStdString();
  const std::optional<std::string> refused = notes_.save(page_, edited);
  if (!refused) {
    refusal_->hide();
    accept();
    return;
  }
  refusal_->setText(QString::fromStdString(*refused));
  refusal_->show();
}

NoteDialog* edit_note(journal::NoteBook& notes, QWidget* parent) {
  // One that was closed waits hidden for its deletion: a new one opens the
  // note that is current now.
  for (auto* open : parent->findChildren<NoteDialog*>(kObjectName, Qt::FindDirectChildrenOnly))
    if (open->isVisible()) {
      open->raise();
      open->activateWindow();
      return open;
    }
  auto* dialog = new NoteDialog(notes, parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setModal(false);
  dialog->show();
  return dialog;
}

}  // namespace kolvar::view
