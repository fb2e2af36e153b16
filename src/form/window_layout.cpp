#include "form/window_layout.h"

#include <array>
#include <stdexcept>
#include <string>

#include "form/column_state.h"
#include "form/setting_table.h"
#include "form/window_places.h"
#include "platform/version.h"

namespace kolvar::form {

namespace {

struct Builder {
  Form& form;
  std::string frame;  // the container of the controls added next

  Control& add(const std::string& name, int index, Kind kind) {
    return form.add(name, index, kind).init_container(frame);
  }
  Control& label(const std::string& name, const std::string& caption, int index = kNoIndex) {
    return add(name, index, Kind::Label).init_text(caption);
  }
  Control& text_box(const std::string& name, const std::string& text, int index = kNoIndex) {
    return add(name, index, Kind::TextBox).init_text(text);
  }
  Control& check_box(const std::string& name, const std::string& caption, int value) {
    return add(name, kNoIndex, Kind::CheckBox).init_text(caption).init_value(value);
  }
  Control& scroll(const std::string& name, int top_value, int bottom_value, int value,
                  int index = kNoIndex) {
    return add(name, index, Kind::ScrollBar).init_range(top_value, bottom_value, value);
  }
  // A persisted setting's control, started as the settings table declares it.
  Control& setting(Name name, int index = kNoIndex) {
    const Setting& s = setting_of(name, index);
    Control& control = add(std::string(name.text()), index, s.kind);
    switch (s.kind) {
      case Kind::TextBox:
      case Kind::Label:
        return control.init_text(std::string(s.text));
      case Kind::Menu:
        return control.init_checked(s.initial_value(index) != 0);
      case Kind::CheckBox:
        return control.init_value(s.initial_value(index));
      case Kind::ScrollBar:
        return control.init_range(s.top, s.bottom, s.initial_value(index));
      default:
        throw std::logic_error("no setting is a " + std::string(kind_name(s.kind)));
    }
  }
  Control& check_box(Name name, const std::string& caption) {
    return setting(name).init_text(caption);
  }
  Control& button(const std::string& name, const std::string& caption) {
    return add(name, kNoIndex, Kind::Button).init_text(caption);
  }
  // A text box with the label that tells what it holds.
  Control& described_box(const std::string& name, const std::string& text,
                         const std::string& caption) {
    label("lbl_" + name, caption);
    return text_box(name, text);
  }
  Control& described_box(Name name, const std::string& caption) {
    label("lbl_" + std::string(name.text()), caption);
    return setting(name);
  }
  Control& frame_of(const std::string& name, int index, const std::string& caption) {
    return form.add(name, index, Kind::Frame).init_text(caption).init_container(frame);
  }
};

void temperature_panel(Builder& b) {
  // The panel the operator works with lies in front of the others.
  b.frame_of("F", 4, "Контроль температуры").init_place(0, 0, 3975, 4935).init_z_order(1);
  b.frame = "F(4)";
  b.label("Label10", "Датчик", 0);
  b.label("Label10", "Темпер", 2);
  b.label("Label10", "Пороги", 3);

  const std::string control_tip =
      "порог управления основным клапаном регулировки флегмового числа (отбора)";
  struct Row {
    int name_index;
    const char* name;
    int t_index;  // 0: the row has no temperature label
    int v_index;  // 0: the row has no threshold
    std::string tip;
  };
  const std::array<Row, 6> rows{{
      {1, "Дефлегм", 1, 1, control_tip},
      {2, "Насадка", 2, 2, control_tip},
      {3, "Бак", 3, 3, "Температура отключения системы при окончании процесса"},
      {0, "отключение", 0, 4, "температура отключения системы при перегреве змеевика"},
      {5, "спирт на вых.", 4, 0, ""},
      {4, "охлаждение", 0, 5, "температура открытия клапана охлаждения змеевика"},
  }};
  for (const Row& r : rows) {
    b.label("L", r.name, r.name_index);
    if (r.t_index) b.label("T", kUnreadRoleText, r.t_index);
    if (r.v_index) {
      b.setting(ctl::T2, r.v_index).init_tooltip(r.tip);
      b.setting(ctl::V, r.v_index);
    }
  }

  b.label("Label11", "Периодичность");
  b.setting(ctl::Inter);
  b.setting(ctl::Interval);
  b.label("Label5", "сек");

  b.label("Dopusk2", "Допуск темп.");
  b.setting(ctl::dopusk);
  b.label("dopusk1", "");
  b.label("manual_otb_2", "Ручное упр. % отбора");
  b.check_box("manual_otb_Ch", "", 0);
  b.scroll("manual_otb", 100, 0, 0);
  b.label("manual_otb_1", "");
  b.check_box("manual_temp_CH", "Реаг.на темп.", 0);
  b.check_box("otb_po_t_bragi", "Отб.по t° бака", 0);

  b.button("Start_sys_button", "Старт системы");
  b.button("Stop_sys_button", "Стоп системы");
  b.button("otbor_up_button", "Увеличить отбор");
  b.button("otbor_down_button", "Уменьшить отбор");

  b.frame_of("LPT_status", kNoIndex, "LPT_status");
  b.frame = "LPT_status";
  for (int k = 0; k < 8; ++k) {
    b.text_box("pin", "0", k);
    b.label("L_pin", "пин " + std::to_string(k + 2), k);
  }

  b.frame = "F(4)";
  b.frame_of("Frame1", kNoIndex, "Новости");
  b.frame = "Frame1";
  b.text_box("News", "Режим работы не выбран\r\n").init_tag("1");

  b.frame = "F(4)";
  b.add("Shape1", kNoIndex, Kind::Shape).init_colors(kMenuColor, kBlack);
}

void settings_panel(Builder& b) {
  b.frame = "";
  b.frame_of("F", 5, "Параметры").init_place(8500, 0, 8175, 5145);
  b.frame = "F(5)";
  b.described_box(ctl::peregrev_def,
                  "Колличество циклов ожидания отключения при перегреве дефлегматора или насадки");
  b.described_box(ctl::voda_vkl_def, "Длина импульса охлаждения, млс");
  b.described_box(ctl::step_up, "Шаг времени на увеличение, млс или 0,001%");
  b.described_box(ctl::step_d, "Шаг времени на уменьшение, млс или 0,001%");
  b.label("lbl_hot", "Температура отколючения системы при перегреве любого датчика");
  b.setting(ctl::hot);
  b.label("hot1", "");
  b.check_box(ctl::Ch_log, "При сбое ТемпКипера  0-ничего 1-рестарт ТК, затем стоп сист.")
      .init_tag("0");
  b.described_box(ctl::time_error_def,
                  "Количество циклов чтения лога темп-кипера с одинаковым временем, допустимое");
  b.check_box(ctl::Ch_pulse, "Использовать пульсирующий сигнал ");
  b.described_box("pulse_time", "3000", "млс ");
  b.described_box(ctl::lift_up_def, "Движение лифта вверх, см");
  b.described_box(ctl::lift_down_def, "Движение лифта вниз, см");
  b.described_box(ctl::lift_speed, "Время для похода лифтом 1 см, млс");
  b.check_box(ctl::wait_ch, "");
  b.described_box(ctl::wait_def, "К-во циклов перед движ. лифта / изменением ШИМ");
  b.described_box(
      ctl::net_vodi_def,
      "Колличество циклов ожидания отключения при перегреве холодильника (отключили воду)");
  b.check_box(ctl::sound_ch, "Звук");

  b.label("lbl_shim", "Настройка ШИМ отбора по t° куба");
  b.label("lbl_kalibr_kolonni", "% отбора 100% производи- тельности колонны");
  b.setting(ctl::kalibr_kolonni_scr);
  b.label("kalibr_kolonni", "");
  b.label("lbl_temp_shim1", "t° начала снижения отбора");
  b.setting(ctl::temp_shim1_scr);
  b.label("temp_shim1", "");
  b.label("lbl_temp_shim2", "t° 0% отбора");
  b.setting(ctl::temp_shim2_scr);
  b.label("temp_shim2", "");

  b.button("OK_set", "Применить");
  b.button("Def_button", "По умолчанию");
  b.add("Line1", kNoIndex, Kind::Line);
}

void service_panel(Builder& b) {
  b.frame = "";
  b.frame_of("Frame2", kNoIndex, "Служебные данные").init_place(17000, 0, 6000, 6000);
  b.frame = "Frame2";
  const std::string delay = "Время стартовой задержки охлаждения в паровом отборе, млс ";
  b.described_box("time3", "2000", delay);
  b.described_box("peregrev", "60", "Время ожидания отключения при перегреве, с ");
  b.described_box("voda_vkl", "1000", "Длина импульса охлаждения, млс");
  b.described_box("stab_temp", "0", "Колличество циклов стабильной температуры");
  b.described_box("Klapan_status", "", "состояние клапана ");
  b.described_box("time3_S", "", "Время стартовой задержки охлаждения в паровом отборе, с ");
  b.described_box("time_log1", "", "Время с лога темп-кипера предпоследнее");
  b.described_box("time_log2", "", "Время с лога темп-кипера, последнее");
  b.described_box("time_error", "",
                  "Количество циклов чтения лога темп-кипера с одинаковым временем, текущее");
  b.described_box(
      "net_vodi", "",
      "Колличество циклов ожидания отключения при перегреве холодильника (отключили воду)");
  b.described_box("wait", "", "Колличество циклов перед движением лифта");
  b.described_box("otb", "0", "отбор, 0,001%");
  b.described_box(ctl::time3_def, delay);
}

void path_panels(Builder& b) {
  b.frame = "";
  b.frame_of("F", 2, "Путь и имя ТемпКипера").init_place(4200, 3300, 3975, 3135);
  b.frame = "F(2)";
  b.add("Drive2", kNoIndex, Kind::DriveList);
  b.add("Dir2", kNoIndex, Kind::DirList);
  b.add("File2", kNoIndex, Kind::FileList);
  b.setting(ctl::Path);
  b.button("OK2", "Применить");

  b.frame = "";
  b.frame_of("F", 1, "Путь и имя лог-файла ТемпКипера").init_place(4200, 0, 3975, 3135);
  b.frame = "F(1)";
  b.add("Drive1", kNoIndex, Kind::DriveList);
  b.add("Dir1", kNoIndex, Kind::DirList);
  b.add("File1", kNoIndex, Kind::FileList);
  b.setting(ctl::LogPath, 1);
  b.button("OK", "Применить");
}

void timers(Builder& b) {
  b.frame = "";
  struct T {
    int n, interval;
    bool on;
  };
  for (const T& t : std::array<T, 9>{{{1, 2000, false},
                                      {2, 400, true},
                                      {3, 2000, false},
                                      {4, 0, false},
                                      {5, 4000, false},
                                      {6, 1000, false},
                                      {7, 1500, false},
                                      {8, 0, false},
                                      {9, 0, false}}}) {
    Control& timer = b.add("Timer" + std::to_string(t.n), kNoIndex, Kind::Timer);
    timer.init_timer(t.interval, t.on);
    if (t.n == 3) timer.init_tag("0");
  }
  // The cool-down after a stop: a minute a tick, the minutes left in its tag.
  b.add("cooldown", kNoIndex, Kind::Timer).init_timer(60000, false).init_tag("0");
}

void menus(Builder& b) {
  auto item = [&](const std::string& parent, const std::string& name, const std::string& caption,
                  int index = kNoIndex) -> Control& {
    b.frame = parent;
    return b.add(name, index, Kind::Menu).init_text(caption);
  };
  // A menu item whose check mark is a setting.
  auto setting_item = [&](const std::string& parent, Name name, const std::string& caption,
                          int index) -> Control& {
    b.frame = parent;
    return b.setting(name, index).init_text(caption);
  };
  item("", "file", "File");
  item("file", "fi", "Задать путь и имя лог-файла");
  item("file", "tk", "Задать путь и имя ТемпКипера");

  item("", "Tune", "Tunes");
  item("Tune", "otbor", "Тип отбора");
  item("otbor", "liquid", "Жидклсть").init_checked(true);
  item("otbor", "par", "Пар");
  item("otbor", "SHIM", "Широтно-импульсное управление");

  item("Tune", "rasp", "Расположение датчиков");
  const std::array<const char*, 5> sensors{"первый датчик", "второй датчик", "третий датчик",
                                           "четвертый датчик", "пятый датчик"};
  struct Role {
    const char* parent;
    const char* caption;
    Name array;
  };
  for (const Role& r :
       std::array<Role, 4>{{{"def", "В дефлегматоре", ctl::da},
                            {"nas", "В насадке", ctl::na},
                            {"bak", "В баке", ctl::kub},
                            {"kuler", "Спирт на выходе (холодильник)", ctl::kul}}}) {
    item("rasp", r.parent, r.caption);
    for (int k = 1; k <= 5; ++k) setting_item(r.parent, r.array, sensors[k - 1], k);
  }

  item("Tune", "TuneStart", "Управлять :");
  setting_item("TuneStart", ctl::opstop, "по дефлегматору", 1);
  setting_item("TuneStart", ctl::opstop, "по насадке", 2);
  setting_item("TuneStart", ctl::opstop, "по двум одновременно", 3);

  item("Tune", "TuneLPT", "Состояния LPT");
  struct Pins {
    const char* parent;
    const char* caption;
    Name array;
  };
  for (const Pins& p : std::array<Pins, 7>{{
           {"sta", "Для старта клапана подать напряжения на :", ctl::ps},
           {"sto", "Для стопа клапана подать напряжения на :", ctl::pf},
           {"Stop_sys", "Для стопа системы подать напряжение на:", ctl::ss},
           {"lift_up_menu", "Для лифта вверх напряжение на:", ctl::lu},
           {"lift_down_menu", "Для лифта вниз напяжение на:", ctl::ld},
           {"zmej", "Для охлаждения змеевика напряжение на:", ctl::zm},
           {"Pulse", "Постоянный/Пульсирующий сигнал при работе подавать на:", ctl::puls},
       }}) {
    item("TuneLPT", p.parent, p.caption);
    for (int k = 1; k <= 8; ++k)
      setting_item(p.parent, p.array, "Ножку № " + std::to_string(k + 1), k);
  }
  item("Tune", "settings", "Дополнительные опции");

  item("", "Work", "Work");
  item("Work", "Start", "Открыть клапан");
  item("Work", "stp", "Закрыть клапан");
  item("Work", "Auto", "Автоматически");

  item("", "ver", "Version");
  item("ver", "verr", version_caption());
  b.frame = "";
}

}  // namespace

std::string version_caption() {
  return std::string("Версия от 25.04.2014; Kolvar, издание на C++, версия ") + version();
}

void build_window(Form& form) {
  Builder b{form, ""};
  form.add("Form1", kNoIndex, Kind::Form).init_text("Kolvar").init_place(0, 0, 4185, 5605);
  temperature_panel(b);
  settings_panel(b);
  service_panel(b);
  path_panels(b);
  timers(b);
  menus(b);
  place_controls(form);
}

}  // namespace kolvar::form
