#include "form/window_layout.h"

#include <array>

#include "form/column_state.h"
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
  Control& button(const std::string& name, const std::string& caption) {
    return add(name, kNoIndex, Kind::Button).init_text(caption);
  }
  // A text box with the label that tells what it holds.
  Control& described_box(const std::string& name, const std::string& text,
                         const std::string& caption) {
    label("lbl_" + name, caption);
    return text_box(name, text);
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
    int initial;
    std::string tip;
  };
  const std::array<Row, 6> rows{{
      {1, "Дефлегм", 1, 1, 880, control_tip},
      {2, "Насадка", 2, 2, 770, control_tip},
      {3, "Бак", 3, 3, 880, "Температура отключения системы при окончании процесса"},
      {0, "отключение", 0, 4, 880, "температура отключения системы при перегреве змеевика"},
      {5, "спирт на вых.", 4, 0, 0, ""},
      {4, "охлаждение", 0, 5, 880, "температура открытия клапана охлаждения змеевика"},
  }};
  for (const Row& r : rows) {
    b.label("L", r.name, r.name_index);
    if (r.t_index) b.label("T", kUnreadRoleText, r.t_index);
    if (r.v_index) {
      b.label("T2", "55", r.v_index).init_tooltip(r.tip);
      b.scroll("V", 1000, 200, r.initial, r.v_index);
    }
  }

  b.label("Label11", "Периодичность");
  b.label("Inter", "6");
  b.scroll("Interval", 60, 1, 2);
  b.label("Label5", "сек");

  b.label("Dopusk2", "Допуск темп.");
  b.scroll("dopusk", 1000, 0, 1);
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
  b.described_box("peregrev_def", "100",
                  "Колличество циклов ожидания отключения при перегреве дефлегматора или насадки");
  b.described_box("voda_vkl_def", "500", "Длина импульса охлаждения, млс");
  b.described_box("step_up", "1000", "Шаг времени на увеличение, млс или 0,001%");
  b.described_box("step_d", "5000", "Шаг времени на уменьшение, млс или 0,001%");
  b.label("lbl_hot", "Температура отколючения системы при перегреве любого датчика");
  b.scroll("hot", 1000, 200, 990);
  b.label("hot1", "");
  b.check_box("Ch_log", "При сбое ТемпКипера  0-ничего 1-рестарт ТК, затем стоп сист.", 1)
      .init_tag("0");
  b.described_box("time_error_def", "3",
                  "Количество циклов чтения лога темп-кипера с одинаковым временем, допустимое");
  b.check_box("Ch_pulse", "Использовать пульсирующий сигнал ", 1);
  b.described_box("pulse_time", "3000", "млс ");
  b.described_box("lift_up_def", "4", "Движение лифта вверх, см");
  b.described_box("lift_down_def", "1", "Движение лифта вниз, см");
  b.described_box("lift_speed", "1000", "Время для похода лифтом 1 см, млс");
  b.check_box("wait_ch", "", 1);
  b.described_box("wait_def", "3", "К-во циклов перед движ. лифта / изменением ШИМ");
  b.described_box(
      "net_vodi_def", "10",
      "Колличество циклов ожидания отключения при перегреве холодильника (отключили воду)");
  b.check_box("sound_ch", "Звук", 1);

  b.label("lbl_shim", "Настройка ШИМ отбора по t° куба");
  b.label("lbl_kalibr_kolonni", "% отбора 100% производи- тельности колонны");
  b.scroll("kalibr_kolonni_scr", 100, 0, 100);
  b.label("kalibr_kolonni", "");
  b.label("lbl_temp_shim1", "t° начала снижения отбора");
  b.scroll("temp_shim1_scr", 1000, 700, 900);
  b.label("temp_shim1", "");
  b.label("lbl_temp_shim2", "t° 0% отбора");
  b.scroll("temp_shim2_scr", 1100, 700, 1000);
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
  b.described_box("time3_def", "2000", delay);
}

void path_panels(Builder& b) {
  b.frame = "";
  b.frame_of("F", 2, "Путь и имя ТемпКипера").init_place(4200, 3300, 3975, 3135);
  b.frame = "F(2)";
  b.add("Drive2", kNoIndex, Kind::DriveList);
  b.add("Dir2", kNoIndex, Kind::DirList);
  b.add("File2", kNoIndex, Kind::FileList);
  b.text_box("Path", "C:\\Program Files\\Temp. Keeper\\TempKeeper.exe");
  b.button("OK2", "Применить");

  b.frame = "";
  b.frame_of("F", 1, "Путь и имя лог-файла ТемпКипера").init_place(4200, 0, 3975, 3135);
  b.frame = "F(1)";
  b.add("Drive1", kNoIndex, Kind::DriveList);
  b.add("Dir1", kNoIndex, Kind::DirList);
  b.add("File1", kNoIndex, Kind::FileList);
  b.text_box("LogPath", "C:\\Program Files\\Temp. Keeper\\Logs\\keeper.log", 1);
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
}

void menus(Builder& b) {
  auto item = [&](const std::string& parent, const std::string& name, const std::string& caption,
                  int index = kNoIndex) -> Control& {
    b.frame = parent;
    return b.add(name, index, Kind::Menu).init_text(caption);
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
    const char* array;
    int initially_checked;
  };
  for (const Role& r :
       std::array<Role, 4>{{{"def", "В дефлегматоре", "da", 1},
                            {"nas", "В насадке", "na", 2},
                            {"bak", "В баке", "kub", 0},
                            {"kuler", "Спирт на выходе (холодильник)", "kul", 0}}}) {
    item("rasp", r.parent, r.caption);
    for (int k = 1; k <= 5; ++k)
      item(r.parent, r.array, sensors[k - 1], k).init_checked(k == r.initially_checked);
  }

  item("Tune", "TuneStart", "Управлять :");
  item("TuneStart", "opstop", "по дефлегматору", 1);
  item("TuneStart", "opstop", "по насадке", 2);
  item("TuneStart", "opstop", "по двум одновременно", 3).init_checked(true);

  item("Tune", "TuneLPT", "Состояния LPT");
  struct Pins {
    const char* parent;
    const char* caption;
    const char* array;
  };
  for (const Pins& p : std::array<Pins, 7>{{
           {"sta", "Для старта клапана подать напряжения на :", "ps"},
           {"sto", "Для стопа клапана подать напряжения на :", "pf"},
           {"Stop_sys", "Для стопа системы подать напряжение на:", "ss"},
           {"lift_up_menu", "Для лифта вверх напряжение на:", "lu"},
           {"lift_down_menu", "Для лифта вниз напяжение на:", "ld"},
           {"zmej", "Для охлаждения змеевика напряжение на:", "zm"},
           {"Pulse", "Постоянный/Пульсирующий сигнал при работе подавать на:", "puls"},
       }}) {
    item("TuneLPT", p.parent, p.caption);
    for (int k = 1; k <= 8; ++k) item(p.parent, p.array, "Ножку № " + std::to_string(k + 1), k);
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
