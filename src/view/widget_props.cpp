// Showing the model's property changes on the widgets.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "desk/prop_change.h"
#include "desk/role_look.h"
#include "desk/scroll_map.h"
#include "view/form_view.h"
#include "view/indicator.h"
#include "view/qt_text.h"

namespace kolvar::view {

namespace {

QColor qt_color(form::Color c) {
  return QColor(c.r, c.g, c.b);
}

// Labels, frames and the window show their back colour as the window
// background; editable boxes as their base.
// A disabled control keeps the style's grey text, as the operator expects of
// a row that takes no part. The colours come by value: GCC 12 at -O2 lost a
// temporary passed here by reference from a tail call.
void set_colors(QWidget* w, const form::Control& c, desk::Colours colours) {
  QPalette palette = w->palette();
  const bool editable = c.kind() == form::Kind::TextBox;
  palette.setColor(editable ? QPalette::Base : QPalette::Window, qt_color(colours.back));
  for (auto group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, editable ? QPalette::Text : QPalette::WindowText,
                     qt_color(colours.fore));
  w->setPalette(palette);
}

void show_text(QObject* o, const form::Control& c) {
  const QString text = qt_text(c.text());
  if (auto* label = qobject_cast<QLabel*>(o)) {
    label->setText(text);
  } else if (auto* line = qobject_cast<QLineEdit*>(o)) {
    // Left alone when equal, so typing keeps its cursor.
    if (line->text() != text) line->setText(text);
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(o)) {
    if (box->toPlainText() != text) {
      QSignalBlocker quiet(box);
      box->setPlainText(text);
    }
  } else if (auto* check = qobject_cast<QCheckBox*>(o)) {
    check->setText(qt_caption(c.text()));
  } else if (auto* button = qobject_cast<QPushButton*>(o)) {
    button->setText(qt_caption(c.text()));
  } else if (auto* frame = qobject_cast<QGroupBox*>(o)) {
    frame->setTitle(qt_caption(c.text()));
  } else if (auto* combo = qobject_cast<QComboBox*>(o)) {
    combo->setCurrentIndex(combo->findText(text));
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setText(qt_caption(c.text()));
  } else if (auto* menu = qobject_cast<QMenu*>(o)) {
    menu->setTitle(qt_caption(c.text()));
  }
}

// A folder list shows the folder it stands in, a way up, then its folders;
// a file list its files with the chosen one selected.
void show_list(QObject* o, const form::Control& c) {
  if (auto* combo = qobject_cast<QComboBox*>(o)) {
    combo->clear();
    for (const auto& item : c.items()) combo->addItem(qt_text(item));
    combo->setCurrentIndex(combo->findText(qt_text(c.text())));
    return;
  }
  auto* list = qobject_cast<QListWidget*>(o);
  if (!list) return;
  list->clear();
  if (c.kind() == form::Kind::DirList) {
    auto* here = new QListWidgetItem(qt_text(c.text()), list);
    here->setFlags(Qt::ItemIsEnabled);
    // Bold and nothing else, so the heading takes the list's font as it
    // changes with the window's scale.
    QFont bold;
    bold.setBold(true);
    here->setFont(bold);
    if (!c.text().empty()) list->addItem(QStringLiteral(".."));
  }
  for (const auto& item : c.items()) list->addItem(qt_text(item));
  if (c.kind() == form::Kind::FileList) {
    const auto found = list->findItems(qt_text(c.text()), Qt::MatchExactly);
    list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
  }
}

}  // namespace

void FormView::show_all(const form::Control& control) {
  for (form::Prop p : desk::kShownAtFirst) show(control, p);
}

void FormView::show(const form::Control& c, form::Prop prop) {
  QObject* o = object_of(c);
  if (!o) return;
  auto* w = qobject_cast<QWidget*>(o);
  auto* action = qobject_cast<QAction*>(o);
  if (auto* menu = qobject_cast<QMenu*>(o)) {
    action = menu->menuAction();
    w = nullptr;  // a menu shows as its item; showing the QMenu would pop it up
  }
  using desk::ControlChange;
  switch (desk::control_change(prop)) {
    case ControlChange::Text:
      show_text(o, c);
      if (c.kind() == form::Kind::DirList) show_list(o, c);
      if (c.kind() == form::Kind::FileList) show_list(o, c);
      // A role's reading decides whether its cell shows a read error.
      if (w && desk::changes_look(c, prop)) set_colors(w, c, desk::shown_colours(c_, c));
      break;
    case ControlChange::Items:
      show_list(o, c);
      break;
    case ControlChange::Value:
      if (auto* check = qobject_cast<QCheckBox*>(o)) check->setChecked(c.value() == 1);
      if (auto* bar = qobject_cast<QScrollBar*>(o)) {
        QSignalBlocker quiet(bar);
        bar->setValue(desk::bar_position(c, c.value()));
      }
      break;
    case ControlChange::Range:
      if (auto* bar = qobject_cast<QScrollBar*>(o)) {
        QSignalBlocker quiet(bar);
        bar->setRange(desk::bar_minimum(c), desk::bar_maximum(c));
        bar->setValue(desk::bar_position(c, c.value()));
      }
      break;
    case ControlChange::Checked:
      if (action) action->setChecked(c.checked());
      break;
    case ControlChange::Enabled:
      if (action) action->setEnabled(c.enabled());
      if (w) w->setEnabled(c.enabled());
      if (w && desk::changes_look(c, prop)) set_colors(w, c, desk::shown_colours(c_, c));
      break;
    case ControlChange::Visible:
      if (action) action->setVisible(c.visible());
      if (w) w->setVisible(c.visible());
      break;
    case ControlChange::Colours:
      if (auto* indicator = dynamic_cast<Indicator*>(w))
        indicator->set_color(qt_color(c.back_color()));
      else if (w)
        set_colors(w, c, desk::shown_colours(c_, c));
      break;
    case ControlChange::ToolTip:
      if (w) w->setToolTip(qt_text(c.tooltip()));
      break;
    case ControlChange::Place:
      if (w) place(c, w);
      break;
    case ControlChange::Restack:
      restack(c.container());
      break;
    case ControlChange::None:
      break;
  }
}

}  // namespace kolvar::view
