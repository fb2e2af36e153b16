#include "simview/sim_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "simrun/run_watch.h"
#include "simview/plant_texts.h"

namespace kolvar::simview {

namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

QString probe_name(sim::Probe probe) {
  switch (probe) {
    case sim::Probe::Dephlegmator:
      return QStringLiteral("дефлегматор");
    case sim::Probe::Packing:
      return QStringLiteral("насадка");
    case sim::Probe::Tank:
      return QStringLiteral("бак");
    case sim::Probe::CoolerOutlet:
      return QStringLiteral("выход холодильника");
    case sim::Probe::Room:
      return QStringLiteral("комната");
    case sim::Probe::None:
      break;
  }
  return QStringLiteral("не подключён");
}

}  // namespace

SimWindow::SimWindow(Links links, QWidget* parent) : QWidget(parent), links_(std::move(links)) {
  setWindowTitle(QStringLiteral("Симулятор колонны"));
  setObjectName(QStringLiteral("sim_window"));
  auto* layout = new QVBoxLayout(this);

  auto* state = new QGroupBox(QStringLiteral("Колонна"));
  auto* form = new QFormLayout(state);
  add_row(form, "time", QStringLiteral("Время колонны"));
  add_row(form, "heater", QStringLiteral("Нагреватель"));
  add_row(form, "valve", QStringLiteral("Клапан отбора"));
  add_row(form, "lift", QStringLiteral("Подъёмник"));
  add_row(form, "dephlegmator_water", QStringLiteral("Вода дефлегматора"));
  add_row(form, "coil_water", QStringLiteral("Вода змеевика"));
  add_row(form, "tank", QStringLiteral("Температура бака"));
  add_row(form, "charge", QStringLiteral("Крепость в баке"));
  add_row(form, "taken_off", QStringLiteral("Отобрано"));
  add_row(form, "taken_off_strength", QStringLiteral("Крепость отбора"));
  layout->addWidget(state);

  auto* speed = new QGroupBox(QStringLiteral("Скорость времени"));
  auto* speed_row = new QHBoxLayout(speed);
  speeds_ = new QButtonGroup(this);
  for (int s : kSpeeds) {
    auto* button = new QRadioButton(QStringLiteral("×%1").arg(s));
    button->setObjectName(QStringLiteral("speed_%1").arg(s));
    button->setChecked(s == links_.clock.speed());
    speeds_->addButton(button, s);
    speed_row->addWidget(button);
  }
  connect(speeds_, &QButtonGroup::idToggled, this, [this](int s, bool on) {
    if (on && s != links_.clock.speed()) set_speed(s);
  });
  layout->addWidget(speed);

  auto* faults = new QGroupBox(QStringLiteral("Неисправности"));
  auto* grid = new QGridLayout(faults);
  sim::Faults& f = links_.plant.faults;
  logger_stall_ =
      add_fault(grid, 0, 0, "fault_logger", QStringLiteral("Логгер завис"), [&f](bool on) {
        f.logger_stalled = on;
        f.restart_revives = true;
      });
  logger_dead_ =
      add_fault(grid, 0, 1, "fault_logger_dead", QStringLiteral("Логгер умер"), [&f](bool on) {
        f.logger_stalled = on;
        f.restart_revives = !on;
      });
  logger_dead_->setToolTip(QStringLiteral("Логгер завис, и перезапуск его не оживит"));
  water_ = add_fault(grid, 1, 0, "fault_water", QStringLiteral("Нет воды"),
                     [&f](bool on) { f.water_failed = on; });
  water_->setToolTip(QStringLiteral("Пропала вода охлаждения: дефлегматор и змеевик"));
  relay_ = add_fault(grid, 1, 1, "fault_relay", QStringLiteral("Реле стоп залипло"),
                     [&f](bool on) { f.stop_relay_stuck = on; });
  port_ = add_fault(grid, 2, 0, "fault_port", QStringLiteral("Кабель порта отключён"),
                    [&f](bool on) { f.port_unplugged = on; });
  grid->addWidget(make_sensor_fault(), 3, 0, 1, 2);
  layout->addWidget(faults);
  layout->addStretch();

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { refresh(); });
  timer_->start(kRefreshMs);
  refresh();
}

QLabel* SimWindow::add_row(QFormLayout* form, const char* name, const QString& title) {
  auto* value = new QLabel;
  value->setObjectName(QString::fromLatin1(name));
  value->setMinimumWidth(
      fontMetrics().horizontalAdvance(QStringLiteral("выключен: сторожевое реле")));
  form->addRow(title, value);
  values_[name] = value;
  return value;
}

QPushButton* SimWindow::add_fault(QGridLayout* grid, int row, int column, const char* name,
                                  const QString& title, std::function<void(bool)> set) {
  auto* button = new QPushButton(title);
  button->setObjectName(QString::fromLatin1(name));
  button->setCheckable(true);
  connect(button, &QPushButton::clicked, this, [this, set = std::move(set)](bool on) {
    // The fault acts from the model's present, not from the plant's last step.
    if (links_.catch_up) links_.catch_up();
    set(on);
    refresh();
  });
  grid->addWidget(button, row, column);
  return button;
}

QWidget* SimWindow::make_sensor_fault() {
  auto* row = new QWidget;
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  sensor_ = new QPushButton(QStringLiteral("Отказ датчика"));
  sensor_->setObjectName(QStringLiteral("fault_sensor"));
  sensor_->setCheckable(true);
  sensor_choice_ = new QComboBox;
  sensor_choice_->setObjectName(QStringLiteral("fault_sensor_which"));
  const auto& columns = links_.plant.settings().logger.columns;
  for (int k = 0; k < sim::kLogColumns; ++k)
    sensor_choice_->addItem(QStringLiteral("%1: %2").arg(k + 1).arg(probe_name(columns[k])));
  sensor_kind_ = new QComboBox;
  sensor_kind_->setObjectName(QStringLiteral("fault_sensor_kind"));
  sensor_kind_->addItem(QStringLiteral("пустое поле"));
  sensor_kind_->addItem(QStringLiteral("ошибка чтения"));
  line->addWidget(sensor_);
  line->addWidget(sensor_choice_, 1);
  line->addWidget(sensor_kind_);
  connect(sensor_, &QPushButton::clicked, this, [this](bool on) { set_sensor_fault(on); });
  connect(sensor_choice_, &QComboBox::currentIndexChanged, this, [this] { show_faults(); });
  connect(sensor_kind_, &QComboBox::currentIndexChanged, this, [this] {
    // A sensor that is out changes how it fails at once.
    if (sensor_->isChecked()) set_sensor_fault(true);
  });
  return row;
}

void SimWindow::set_sensor_fault(bool on) {
  if (links_.catch_up) links_.catch_up();
  const sim::SensorFault kind =
      sensor_kind_->currentIndex() == 0 ? sim::SensorFault::Blank : sim::SensorFault::Garbage;
  links_.plant.faults.sensors[sensor_choice_->currentIndex()] = on ? kind : sim::SensorFault::None;
  refresh();
}

void SimWindow::set_speed(int speed) {
  if (links_.catch_up) links_.catch_up();
  links_.clock.set_speed(speed);
  if (QAbstractButton* button = speeds_->button(speed)) button->setChecked(true);
  if (links_.rate_changed) links_.rate_changed();
}

void SimWindow::show_faults() {
  const sim::Faults& f = links_.plant.faults;
  logger_stall_->setChecked(f.logger_stalled && f.restart_revives);
  logger_dead_->setChecked(f.logger_stalled && !f.restart_revives);
  water_->setChecked(f.water_failed);
  relay_->setChecked(f.stop_relay_stuck);
  port_->setChecked(f.port_unplugged);
  sensor_->setChecked(f.sensors[sensor_choice_->currentIndex()] != sim::SensorFault::None);
}

void SimWindow::refresh() {
  if (links_.catch_up) links_.catch_up();
  show_plant();
}

void SimWindow::show_plant() {
  const sim::PlantStatus s = links_.plant.status();
  const sim::Faults& f = links_.plant.faults;
  values_["time"]->setText(q(simrun::clock_text(s.time)));
  values_["heater"]->setText(q(heater_text(s, f)));
  values_["valve"]->setText(q(valve_text(s)));
  values_["lift"]->setText(q(lift_text(s.lift_cm)));
  values_["dephlegmator_water"]->setText(q(water_text(s.dephlegmator_water_on)));
  values_["coil_water"]->setText(q(water_text(s.coil_water_on)));
  values_["tank"]->setText(q(celsius_text(s.tank_celsius)));
  values_["charge"]->setText(q(strength_text(s.charge.abv())));
  values_["taken_off"]->setText(q(litres_text(s.taken_off.litres())));
  values_["taken_off_strength"]->setText(q(strength_text(s.taken_off.abv())));
  show_faults();
}

}  // namespace kolvar::simview
