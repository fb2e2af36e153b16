// The window as it stands before any handler runs.
#include <gtest/gtest.h>

#include "form/properties.h"
#include "platform/failure.h"
#include "ui/headless.h"

namespace kolvar::form {
namespace {

struct Expected {
  const char* control;
  const char* prop;
  const char* value;
};

class WindowModel : public ::testing::Test {
 protected:
  std::string get(const std::string& full, const std::string& prop) {
    form::Control* c = rig.controller.form.find_full(full);
    EXPECT_NE(c, nullptr) << full;
    if (!c) return "<missing>";
    auto p = form::find_prop(c->kind(), prop);
    EXPECT_TRUE(p.has_value()) << full << "." << prop;
    return p ? form::prop_text(*c, p->prop) : "<no such property>";
  }
  ui::Headless rig;
};

TEST_F(WindowModel, InitialStateOfControls) {
  const std::string tip12 =
      "порог управления основным клапаном регулировки флегмового числа (отбора)";
  const Expected table[] = {
      {"Form1", "caption", "Kolvar"},
      {"F(4)", "caption", "Контроль температуры"},
      {"F(5)", "caption", "Параметры"},
      {"F(1)", "caption", "Путь и имя лог-файла ТемпКипера"},
      {"F(2)", "caption", "Путь и имя ТемпКипера"},
      {"Frame2", "caption", "Служебные данные"},
      {"Frame1", "caption", "Новости"},
      {"LPT_status", "caption", "LPT_status"},
      {"Label10(0)", "caption", "Датчик"},
      {"Label10(2)", "caption", "Темпер"},
      {"Label10(3)", "caption", "Пороги"},
      {"L(0)", "caption", "отключение"},
      {"L(1)", "caption", "Дефлегм"},
      {"L(2)", "caption", "Насадка"},
      {"L(3)", "caption", "Бак"},
      {"L(4)", "caption", "охлаждение"},
      {"L(5)", "caption", "спирт на вых."},
      {"T(1)", "caption", "55"},
      {"T(4)", "caption", "55"},
      {"T2(1)", "caption", "55"},
      {"T2(5)", "caption", "55"},
      {"T2(1)", "tooltip", tip12.c_str()},
      {"T2(2)", "tooltip", tip12.c_str()},
      {"T2(3)", "tooltip", "Температура отключения системы при окончании процесса"},
      {"T2(4)", "tooltip", "температура отключения системы при перегреве змеевика"},
      {"T2(5)", "tooltip", "температура открытия клапана охлаждения змеевика"},
      {"V(1)", "value", "880"},
      {"V(2)", "value", "770"},
      {"V(3)", "value", "880"},
      {"V(4)", "value", "880"},
      {"V(5)", "value", "880"},
      {"V(1)", "min", "1000"},
      {"V(1)", "max", "200"},
      {"Inter", "caption", "6"},
      {"Interval", "value", "2"},
      {"Interval", "min", "60"},
      {"Interval", "max", "1"},
      {"dopusk", "value", "1"},
      {"dopusk", "min", "1000"},
      {"dopusk", "max", "0"},
      {"manual_otb", "min", "100"},
      {"manual_otb", "max", "0"},
      {"hot", "value", "990"},
      {"kalibr_kolonni_scr", "value", "100"},
      {"temp_shim1_scr", "value", "900"},
      {"temp_shim1_scr", "max", "700"},
      {"temp_shim2_scr", "value", "1000"},
      {"temp_shim2_scr", "min", "1100"},
      {"Dopusk2", "caption", "Допуск темп."},
      {"manual_otb_2", "caption", "Ручное упр. % отбора"},
      {"manual_temp_CH", "caption", "Реаг.на темп."},
      {"otb_po_t_bragi", "caption", "Отб.по t° бака"},
      {"Start_sys_button", "caption", "Старт системы"},
      {"Stop_sys_button", "caption", "Стоп системы"},
      {"otbor_up_button", "caption", "Увеличить отбор"},
      {"otbor_down_button", "caption", "Уменьшить отбор"},
      {"pin(0)", "text", "0"},
      {"pin(7)", "text", "0"},
      {"L_pin(0)", "caption", "пин 2"},
      {"L_pin(7)", "caption", "пин 9"},
      {"News", "text", "Режим работы не выбран\r\n"},
      {"peregrev_def", "text", "100"},
      {"voda_vkl_def", "text", "500"},
      {"step_up", "text", "1000"},
      {"step_d", "text", "5000"},
      {"time_error_def", "text", "3"},
      {"pulse_time", "text", "3000"},
      {"lift_up_def", "text", "4"},
      {"lift_down_def", "text", "1"},
      {"lift_speed", "text", "1000"},
      {"wait_def", "text", "3"},
      {"net_vodi_def", "text", "10"},
      {"sound_ch", "caption", "Звук"},
      {"OK_set", "caption", "Применить"},
      {"Def_button", "caption", "По умолчанию"},
      {"time3", "text", "2000"},
      {"peregrev", "text", "60"},
      {"voda_vkl", "text", "1000"},
      {"stab_temp", "text", "0"},
      {"Klapan_status", "text", ""},
      {"time_error", "text", ""},
      {"net_vodi", "text", ""},
      {"wait", "text", ""},
      {"otb", "text", "0"},
      {"time3_def", "text", "2000"},
      {"Path", "text", "C:\\Program Files\\Temp. Keeper\\TempKeeper.exe"},
      {"LogPath(1)", "text", "C:\\Program Files\\Temp. Keeper\\Logs\\keeper.log"},
      {"OK", "caption", "Применить"},
      {"OK2", "caption", "Применить"},
      // check boxes
      {"sound_ch", "value", "1"},
      {"wait_ch", "value", "1"},
      {"Ch_pulse", "value", "1"},
      {"Ch_log", "value", "1"},
      {"otb_po_t_bragi", "value", "0"},
      {"manual_temp_CH", "value", "0"},
      {"manual_otb_Ch", "value", "0"},
      // tags
      {"News", "tag", "1"},
      {"Ch_log", "tag", "0"},
      {"Timer3", "tag", "0"},
      {"V(1)", "tag", ""},
      // timers
      {"Timer1", "interval", "2000"},
      {"Timer1", "on", "False"},
      {"Timer2", "interval", "400"},
      {"Timer2", "on", "True"},
      {"Timer3", "interval", "2000"},
      {"Timer4", "interval", "0"},
      {"Timer5", "interval", "4000"},
      {"Timer6", "interval", "1000"},
      {"Timer7", "interval", "1500"},
      {"Timer8", "interval", "0"},
      {"Timer9", "on", "False"},
      // menus
      {"file", "caption", "File"},
      {"fi", "caption", "Задать путь и имя лог-файла"},
      {"tk", "caption", "Задать путь и имя ТемпКипера"},
      {"Tune", "caption", "Tunes"},
      {"liquid", "caption", "Жидклсть"},
      {"liquid", "checked", "True"},
      {"par", "checked", "False"},
      {"SHIM", "caption", "Широтно-импульсное управление"},
      {"def", "caption", "В дефлегматоре"},
      {"kuler", "caption", "Спирт на выходе (холодильник)"},
      {"da(1)", "checked", "True"},
      {"da(2)", "checked", "False"},
      {"na(2)", "checked", "True"},
      {"na(1)", "checked", "False"},
      {"kub(5)", "caption", "пятый датчик"},
      {"kul(4)", "caption", "четвертый датчик"},
      {"opstop(1)", "caption", "по дефлегматору"},
      {"opstop(3)", "checked", "True"},
      {"sta", "caption", "Для старта клапана подать напряжения на :"},
      {"lift_down_menu", "caption", "Для лифта вниз напяжение на:"},
      {"Pulse", "caption", "Постоянный/Пульсирующий сигнал при работе подавать на:"},
      {"ps(1)", "caption", "Ножку № 2"},
      {"puls(8)", "caption", "Ножку № 9"},
      {"settings", "caption", "Дополнительные опции"},
      {"Work", "caption", "Work"},
      {"Start", "caption", "Открыть клапан"},
      {"stp", "caption", "Закрыть клапан"},
      {"Auto", "caption", "Автоматически"},
      {"ver", "caption", "Version"},
  };
  for (const Expected& e : table)
    EXPECT_EQ(get(e.control, e.prop), e.value) << e.control << "." << e.prop;
}

TEST_F(WindowModel, ArraysHaveExactlyTheirIndices) {
  const Form& f = rig.controller.form;
  EXPECT_EQ(f.indices("T"), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(f.indices("pin"), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(f.indices("ps"), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(f.indices("kul"), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(f.indices("LogPath"), (std::vector<int>{1}));
  EXPECT_EQ(f.indices("Label10"), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(f.indices("opstop"), (std::vector<int>{1, 2, 3}));
}

TEST_F(WindowModel, EveryMenuItemIsUncheckedExceptTheFour) {
  int checked = 0;
  for (const auto& c : rig.controller.form.controls())
    if (c->kind() == form::Kind::Menu && c->checked()) ++checked;
  EXPECT_EQ(checked, 4);
}

TEST_F(WindowModel, FramesHoldTheirControls) {
  form::Controller& c = rig.controller;
  EXPECT_EQ(c.c(ctl::pin, 3).container(), "LPT_status");
  EXPECT_EQ(c.form.get("LPT_status").container(), "F(4)");
  EXPECT_EQ(c.c(ctl::News).container(), "Frame1");
  EXPECT_EQ(c.c(ctl::V, 5).container(), "F(4)");
  EXPECT_EQ(c.c(ctl::hot).container(), "F(5)");
  EXPECT_EQ(c.c(ctl::otb).container(), "Frame2");
  EXPECT_EQ(c.c(ctl::LogPath, 1).container(), "F(1)");
  EXPECT_EQ(c.c(ctl::Path).container(), "F(2)");
  EXPECT_EQ(c.c(ctl::da, 3).container(), "def");
  EXPECT_EQ(c.c(ctl::ps, 1).container(), "sta");
  EXPECT_EQ(c.form.get("sta").container(), "TuneLPT");
}

TEST_F(WindowModel, ScrollBarRefusesValueOutsideRangeAndKeepsItsValue) {
  form::Control& v1 = rig.controller.c(ctl::V, 1);
  EXPECT_THROW(v1.set_value(1001), kolvar::Failure);
  EXPECT_THROW(v1.set_value(199), kolvar::Failure);
  EXPECT_EQ(v1.value(), 880);
  v1.set_value(200);
  v1.set_value(1000);
  EXPECT_EQ(v1.value(), 1000);
  try {
    rig.controller.c(ctl::Interval).set_value(61);
  } catch (const kolvar::Failure& f) {
    EXPECT_NE(std::string(f.what()).find("Interval"), std::string::npos);
    EXPECT_NE(std::string(f.what()).find("60..1"), std::string::npos);
  }
}

TEST_F(WindowModel, ObserverSeesEveryChangeOnce) {
  std::vector<std::string> seen;
  rig.controller.form.set_observer([&](const form::Control& c, Prop p) {
    seen.push_back(c.full_name() + ":" +
                   std::string(form::find_prop(c.kind(), "caption") && p == Prop::Text
                                   ? "text"
                                   : std::to_string(static_cast<int>(p))));
  });
  rig.controller.c(ctl::T, 1).set_text("88.3");
  rig.controller.c(ctl::T, 1).set_text("88.3");  // no change, no notice
  rig.controller.c(ctl::pin, 2).set_text("1");
  rig.controller.c(ctl::Timer5).set_on(true);
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], "T(1):text");
}

}  // namespace
}  // namespace kolvar::form
