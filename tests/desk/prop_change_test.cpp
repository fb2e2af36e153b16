// How the model's property changes sort into what a window shows: the same
// for both windows, so that neither forgets a change the other shows.
#include "desk/prop_change.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kolvar::desk {
namespace {

TEST(PropChange, ANewControlIsShownWithEveryChangeOnceInAnOrderThatHolds) {
  std::set<ControlChange> shown;
  for (form::Prop p : kShownAtFirst)
    EXPECT_TRUE(shown.insert(control_change(p)).second) << static_cast<int>(p);
  // Restacking is done once for all the siblings, after they are made.
  const std::set<ControlChange> all{ControlChange::Text,    ControlChange::Items,
                                    ControlChange::Value,   ControlChange::Range,
                                    ControlChange::Checked, ControlChange::Enabled,
                                    ControlChange::Visible, ControlChange::Colours,
                                    ControlChange::ToolTip, ControlChange::Place};
  EXPECT_EQ(shown, all);
  auto at = [](form::Prop p) {
    return std::find(kShownAtFirst.begin(), kShownAtFirst.end(), p) - kShownAtFirst.begin();
  };
  EXPECT_LT(at(form::Prop::Items), at(form::Prop::Text)) << "a list selects its text among them";
  EXPECT_LT(at(form::Prop::Min), at(form::Prop::Value)) << "a bar's position within its range";
}

TEST(PropChange, EachPropertyMeansOneThingForAControlAndForTheWindow) {
  struct Case {
    form::Prop prop;
    ControlChange control;
    FormChange form;
  };
  for (const Case& c : {
           Case{form::Prop::Text, ControlChange::Text, FormChange::Title},
           Case{form::Prop::Min, ControlChange::Range, FormChange::None},
           Case{form::Prop::Max, ControlChange::Range, FormChange::None},
           Case{form::Prop::ForeColor, ControlChange::Colours, FormChange::Colours},
           Case{form::Prop::Left, ControlChange::Place, FormChange::None},
           Case{form::Prop::Top, ControlChange::Place, FormChange::None},
           Case{form::Prop::Width, ControlChange::Place, FormChange::Size},
           Case{form::Prop::Height, ControlChange::Place, FormChange::Size},
           Case{form::Prop::ZOrder, ControlChange::Restack, FormChange::None},
           Case{form::Prop::TopMost, ControlChange::None, FormChange::OnTop},
           Case{form::Prop::Tag, ControlChange::None, FormChange::None},
           Case{form::Prop::Interval, ControlChange::None, FormChange::None},
           Case{form::Prop::On, ControlChange::None, FormChange::None},
       }) {
    EXPECT_EQ(control_change(c.prop), c.control) << static_cast<int>(c.prop);
    EXPECT_EQ(form_change(c.prop), c.form) << static_cast<int>(c.prop);
  }
}

}  // namespace
}  // namespace kolvar::desk
