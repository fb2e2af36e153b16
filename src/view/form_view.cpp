#include "view/form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <set>

#include "desk/scroll_map.h"
#include "desk/twips.h"
#include "view/indicator.h"
#include "view/qt_text.h"

namespace kolvar::view {

namespace {

// A text box tall enough for two lines of text holds several (the news).
constexpr int kMultiLineTwips = 450;

}  // namespace

FormView::FormView(form::Controller& controller, QWidget* canvas, QMenuBar* menu_bar,
                   double dots_per_inch, Act act)
    : c_(controller),
      canvas_(canvas),
      menu_bar_(menu_bar),
      dpi_(dots_per_inch),
      act_(std::move(act)) {
  std::set<std::string> parents;
  for (const auto& control : c_.form.controls())
    if (control->kind() == form::Kind::Menu) parents.insert(control->container());

  for (const auto& control : c_.form.controls()) {
    form::Control& ctl = *control;
    switch (ctl.kind()) {
      case form::Kind::Form:
      case form::Kind::Timer:
        break;
      case form::Kind::Menu:
        if (parents.count(ctl.full_name())) {
          QMenu* parent = ctl.container().empty() ? nullptr : menus_.at(ctl.container());
          QMenu* menu = parent ? parent->addMenu(qt_caption(ctl.text()))
                               : menu_bar_->addMenu(qt_caption(ctl.text()));
          menus_[ctl.full_name()] = menu;
          objects_[&ctl] = menu;
        } else {
          make_menu(ctl);
        }
        break;
      default: {
        QWidget* parent = ctl.container().empty() ? canvas_ : widget_of(ctl.container());
        make_widget(ctl, parent ? parent : canvas_);
      }
    }
    if (objects_.count(&ctl)) show_all(ctl);
  }
  std::set<std::string> containers;
  for (const auto& control : c_.form.controls()) containers.insert(control->container());
  for (const auto& container : containers) restack(container);
}

void FormView::make_menu(form::Control& control) {
  const QString caption = qt_caption(control.text());
  QAction* action = control.container().empty()
                        ? menu_bar_->addAction(caption)
                        : menus_.at(control.container())->addAction(caption);
  action->setCheckable(true);
  objects_[&control] = action;
  connect_input(control, action);
}

void FormView::make_widget(form::Control& control, QWidget* parent) {
  QWidget* w = nullptr;
  switch (control.kind()) {
    case form::Kind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setAutoFillBackground(true);
      w = label;
      break;
    }
    case form::Kind::TextBox:
      if (control.height() >= kMultiLineTwips) {
        auto* box = new QPlainTextEdit(parent);
        box->setFrameShape(QFrame::Box);
        box->document()->setDocumentMargin(2);
        w = box;
      } else {
        w = new QLineEdit(parent);
      }
      break;
    case form::Kind::CheckBox:
      w = new QCheckBox(parent);
      break;
    case form::Kind::ScrollBar: {
      auto* bar = new QScrollBar(Qt::Vertical, parent);
      bar->setTracking(false);  // a drag is one change, when the thumb is let go
      w = bar;
      break;
    }
    case form::Kind::Button:
      w = new QPushButton(parent);
      break;
    case form::Kind::DriveList:
      w = new QComboBox(parent);
      break;
    case form::Kind::DirList:
    case form::Kind::FileList:
      w = new QListWidget(parent);
      break;
    case form::Kind::Frame: {
      auto* frame = new QGroupBox(parent);
      // Frames overlap: the one in front must hide the ones behind it.
      frame->setAutoFillBackground(true);
      w = frame;
      break;
    }
    case form::Kind::Shape:
      w = new Indicator(parent);
      break;
    case form::Kind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(control.width() >= control.height() ? QFrame::HLine : QFrame::VLine);
      line->setFrameShadow(QFrame::Sunken);
      w = line;
      break;
    }
    default:
      return;
  }
  w->setObjectName(QString::fromStdString(control.full_name()));
  objects_[&control] = w;
  connect_input(control, w);
}

void FormView::connect_input(form::Control& control, QObject* object) {
  form::Control* ctl = &control;
  auto click = [this, ctl] { act_([this, ctl] { c_.click(*ctl); }); };
  auto edit = [this, ctl](const std::string& value) {
    act_([this, ctl, value] { c_.edit(*ctl, value); });
  };
  if (auto* action = qobject_cast<QAction*>(object)) {
    QObject::connect(action, &QAction::triggered, [action, ctl, click] {
      action->setChecked(ctl->checked());  // the model decides the check mark
      click();
    });
  } else if (auto* box = qobject_cast<QCheckBox*>(object)) {
    QObject::connect(box, &QCheckBox::clicked, [box, ctl, click] {
      box->setChecked(ctl->value() == 1);  // the click handler decides
      click();
    });
  } else if (auto* button = qobject_cast<QPushButton*>(object)) {
    QObject::connect(button, &QPushButton::clicked, click);
  } else if (auto* line = qobject_cast<QLineEdit*>(object)) {
    QObject::connect(line, &QLineEdit::textEdited,
                     [edit](const QString& text) { edit(model_text(text)); });
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(object)) {
    QObject::connect(text, &QPlainTextEdit::textChanged,
                     [text, edit] { edit(model_text(text->toPlainText())); });
  } else if (auto* bar = qobject_cast<QScrollBar*>(object)) {
    QObject::connect(bar, &QScrollBar::valueChanged, [ctl, edit](int value) {
      edit(std::to_string(desk::model_value(*ctl, value)));
    });
  } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
    QObject::connect(combo, &QComboBox::activated,
                     [combo, edit](int index) { edit(model_text(combo->itemText(index))); });
  } else if (auto* list = qobject_cast<QListWidget*>(object)) {
    // A folder is entered by a double click, a file is chosen by one.
    auto choose = [edit](QListWidgetItem* item) {
      if (item->flags() & Qt::ItemIsSelectable) edit(model_text(item->text()));
    };
    if (control.kind() == form::Kind::DirList)
      QObject::connect(list, &QListWidget::itemActivated, choose);
    else
      QObject::connect(list, &QListWidget::itemClicked, choose);
  }
}

QObject* FormView::object_of(const form::Control& control) const {
  auto it = objects_.find(&control);
  return it == objects_.end() ? nullptr : it->second;
}

QWidget* FormView::widget_of(const std::string& full_name) const {
  form::Control* control = c_.form.find_full(full_name);
  return control ? qobject_cast<QWidget*>(object_of(*control)) : nullptr;
}

int FormView::px(int twips) const {
  return desk::pixels(twips, dpi_);
}

void FormView::rescale(double dots_per_inch) {
  dpi_ = dots_per_inch;
  for (const auto& control : c_.form.controls()) show(*control, form::Prop::Left);
}

void FormView::place(const form::Control& control, QWidget* widget) {
  if (control.width() > 0 && control.height() > 0) {
    widget->setGeometry(px(control.left()), px(control.top()), std::max(1, px(control.width())),
                        std::max(1, px(control.height())));
  } else {
    // A control the layout has not placed yet still shows, at its natural size.
    widget->adjustSize();
    widget->move(px(control.left()), px(control.top()));
  }
}

void FormView::restack(const std::string& container) {
  std::vector<const form::Control*> siblings;
  for (const auto& control : c_.form.controls()) {
    auto* w = qobject_cast<QWidget*>(object_of(*control));
    if (control->container() == container && w && !w->isWindow()) siblings.push_back(control.get());
  }
  std::stable_sort(siblings.begin(), siblings.end(),
                   [](auto* a, auto* b) { return a->z_order() < b->z_order(); });
  for (const form::Control* control : siblings)
    qobject_cast<QWidget*>(object_of(*control))->raise();
}

}  // namespace kolvar::view
