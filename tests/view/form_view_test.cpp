// The window made from the model: a widget per control, placed in twips.
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

#include "desk/twips.h"
#include "desktop_rig.h"
#include "view/indicator.h"
#include "view/qt_text.h"

namespace kolvar::view {
namespace {

using testing::DesktopRig;
using Widgets = DesktopRig;

// The caption or text a widget shows, as the model holds it.
std::string shown_text(QObject* o) {
  QString t;
  if (auto* w = qobject_cast<QLabel*>(o)) t = w->text();
  if (auto* w = qobject_cast<QLineEdit*>(o)) t = w->text();
  if (auto* w = qobject_cast<QPlainTextEdit*>(o)) t = w->toPlainText();
  if (auto* w = qobject_cast<QCheckBox*>(o)) t = w->text().replace("&&", "&");
  if (auto* w = qobject_cast<QPushButton*>(o)) t = w->text().replace("&&", "&");
  if (auto* w = qobject_cast<QGroupBox*>(o)) t = w->title().replace("&&", "&");
  if (auto* w = qobject_cast<QAction*>(o)) t = w->text().replace("&&", "&");
  if (auto* w = qobject_cast<QMenu*>(o)) t = w->title().replace("&&", "&");
  return model_text(t);
}

bool of_kind(QObject* o, form::Kind kind, bool holds_items) {
  switch (kind) {
    case form::Kind::Label:
      return qobject_cast<QLabel*>(o);
    case form::Kind::TextBox:
      return qobject_cast<QLineEdit*>(o) || qobject_cast<QPlainTextEdit*>(o);
    case form::Kind::CheckBox:
      return qobject_cast<QCheckBox*>(o);
    case form::Kind::ScrollBar:
      return qobject_cast<QScrollBar*>(o);
    case form::Kind::Button:
      return qobject_cast<QPushButton*>(o);
    case form::Kind::DriveList:
      return qobject_cast<QComboBox*>(o);
    case form::Kind::DirList:
    case form::Kind::FileList:
      return qobject_cast<QListWidget*>(o);
    case form::Kind::Frame:
      return qobject_cast<QGroupBox*>(o);
    case form::Kind::Shape:
      return dynamic_cast<Indicator*>(o);
    case form::Kind::Line:
      return qobject_cast<QFrame*>(o);
    case form::Kind::Menu:
      return holds_items ? static_cast<bool>(qobject_cast<QMenu*>(o))
                         : static_cast<bool>(qobject_cast<QAction*>(o));
    default:
      return o == nullptr;
  }
}

TEST_F(Widgets, EveryControlOfAFreshModelHasAWidgetOfItsKindShowingItsText) {
  std::set<std::string> parents;
  for (const auto& c : desktop.controller().form.controls()) parents.insert(c->container());
  int checked = 0;
  for (const auto& c : desktop.controller().form.controls()) {
    QObject* o = desktop.window().view().object_of(*c);
    EXPECT_TRUE(of_kind(o, c->kind(), parents.count(c->full_name()) > 0)) << c->full_name();
    const bool has_text = c->kind() != form::Kind::ScrollBar && c->kind() != form::Kind::Shape &&
                          c->kind() != form::Kind::Line && c->kind() != form::Kind::Timer &&
                          c->kind() != form::Kind::Form && c->kind() != form::Kind::DriveList &&
                          c->kind() != form::Kind::DirList && c->kind() != form::Kind::FileList;
    if (o && has_text) {
      EXPECT_EQ(shown_text(o), c->text()) << c->full_name();
      ++checked;
    }
  }
  EXPECT_GT(checked, 200);
  EXPECT_EQ(desktop.window().windowTitle(), "Kolvar");
  EXPECT_EQ(widget<QLabel>("T2(1)")->toolTip(), qt_text(control("T2(1)").tooltip()));
  EXPECT_EQ(widget<QCheckBox>("sound_ch")->isChecked(), true);
  EXPECT_TRUE(widget<QAction>("liquid")->isChecked());
  EXPECT_FALSE(widget<QAction>("par")->isChecked());
}

TEST_F(Widgets, PlacesAndSizesAreTwipsAtTheLogicalResolution) {
  struct Case {
    int twips;
    double dpi;
    int pixels;
  };
  for (const Case& c : {Case{1440, 96, 96}, Case{15, 96, 1}, Case{4185, 96, 279},
                        Case{5605, 96, 374}, Case{4185, 120, 349}, Case{7, 96, 0}})
    EXPECT_EQ(desk::pixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;

  const FormView& view = desktop.window().view();
  for (const char* name : {"F(4)", "V(1)", "News", "Start_sys_button"}) {
    const form::Control& c = control(name);
    const QRect r = widget<QWidget>(name)->geometry();
    EXPECT_EQ(r,
              QRect(view.px(c.left()), view.px(c.top()), view.px(c.width()), view.px(c.height())))
        << name;
  }
  EXPECT_EQ(desktop.window().width(), view.px(control("Form1").width()));
}

TEST_F(Widgets, AScrollBarHasTheLargerValueAtItsTopEnd) {
  auto* bar = widget<QScrollBar>("V(1)");
  EXPECT_EQ(bar->value(), bar->minimum() + (1000 - 880));  // 120 steps below the top
  desktop.start();
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the arrow at the top
  EXPECT_EQ(control("V(1)").value(), 881);
  EXPECT_EQ(control("T2(1)").text(), "88.1");
}

TEST_F(Widgets, ARoleInReadErrorShowsItsReadingOnTheReadErrorLookOverTheModelsColours) {
  const auto back = [this](const char* name) {
    return widget<QLabel>(name)->palette().color(QPalette::Window);
  };
  const auto fore = [this](const char* name) {
    return widget<QLabel>(name)->palette().color(QPalette::Active, QPalette::WindowText);
  };
  const QColor error_back(255, 212, 0), error_fore(176, 0, 32);
  form::Control& t1 = control("T(1)");
  t1.set_back_color({200, 255, 200});  // as the colour stage leaves a reading at its threshold
  t1.set_text("-127.00");              // the sensor fell off its bus
  EXPECT_EQ(widget<QLabel>("T(1)")->text(), "-127.00") << "the reading as it came";
  EXPECT_EQ(back("T(1)"), error_back);
  EXPECT_EQ(fore("T(1)"), error_fore);
  // The cycle's colours go on in the model, under the look.
  t1.set_back_color({255, 200, 200});
  EXPECT_EQ(back("T(1)"), error_back);
  t1.set_text("78.50");
  EXPECT_EQ(back("T(1)"), QColor(255, 200, 200));

  // A row that takes no part is never in error, whatever it shows; taking
  // part, a blank or a zero is.
  form::Control& t3 = control("T(3)");
  t3.set_enabled(false);
  t3.set_text("0");
  EXPECT_NE(back("T(3)"), error_back);
  t3.set_enabled(true);
  EXPECT_EQ(back("T(3)"), error_back);
  t3.set_text("");
  EXPECT_EQ(back("T(3)"), error_back);
  t3.set_text("85.00");  // a power-on value is the logger's to blank
  const form::Color own = t3.back_color();
  EXPECT_EQ(back("T(3)"), QColor(own.r, own.g, own.b));
}

}  // namespace
}  // namespace kolvar::view
