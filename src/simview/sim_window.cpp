#include "simview/sim_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "simrun/sim_panel.h"

namespace kolvar::simview {

namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

SimWindow::SimWindow(Links links, QWidget* parent) : QWidget(parent), panel_(std::move(links)) {
  setWindowTitle(q(simrun::kSimWindowTitle));
  setObjectName(QStringLiteral("sim_window"));
  auto* layout = new QVBoxLayout(this);

  auto* state = new QGroupBox(q(simrun::kStateGroup));
  auto* form = new QFormLayout;
  for (const simrun::PlantRow& row : simrun::kPlantRows) add_row(form, row.name, q(row.title));
  form->addRow(q(simrun::kPressureSettingTitle), make_pressure_setting());
  state->setLayout(form);
  layout->addWidget(state);

  auto* speed = new QGroupBox(q(simrun::kSpeedGroup));
  auto* speed_row = new QHBoxLayout(speed);
  speeds_ = new QButtonGroup(this);
  for (int s : simrun::kSpeeds) {
    auto* button = new QRadioButton(QStringLiteral("×%1").arg(s));
    button->setObjectName(QStringLiteral("speed_%1").arg(s));
    button->setChecked(s == panel_.speed());
    speeds_->addButton(button, s);
    speed_row->addWidget(button);
  }
  connect(speeds_, &QButtonGroup::idToggled, this, [this](int s, bool on) {
    if (on) set_speed(s);
  });
  layout->addWidget(speed);

  auto* faults = new QGroupBox(q(simrun::kFaultGroup));
  auto* grid = new QGridLayout(faults);
  for (std::size_t k = 0; k < simrun::kFaultSwitches.size(); ++k) {
    const simrun::FaultSwitch& fault = simrun::kFaultSwitches[k];
    QPushButton* button = add_fault(grid, fault.row, fault.column, fault.name, q(fault.title), k);
    if (*fault.tip) button->setToolTip(q(fault.tip));
    fault_buttons_.push_back(button);
  }
  grid->addWidget(make_sensor_fault(), simrun::kSensorFaultRow, 0, 1, 2);
  layout->addWidget(faults);
  layout->addStretch();

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { refresh(); });
  timer_->start(simrun::kSimRefreshMs);
  refresh();
}

QLabel* SimWindow::add_row(QFormLayout* form, const char* name, const QString& title) {
  auto* value = new QLabel;
  value->setObjectName(QString::fromLatin1(name));
  value->setMinimumWidth(fontMetrics().horizontalAdvance(q(simrun::kWidestValue)));
  form->addRow(title, value);
  values_[name] = value;
  return value;
}

QPushButton* SimWindow::add_fault(QGridLayout* grid, int row, int column, const char* name,
                                  const QString& title, std::size_t index) {
  auto* button = new QPushButton(title);
  button->setObjectName(QString::fromLatin1(name));
  button->setCheckable(true);
  connect(button, &QPushButton::clicked, this, [this, index](bool on) {
    panel_.set_fault(index, on);
    refresh();
  });
  grid->addWidget(button, row, column);
  return button;
}

QWidget* SimWindow::make_pressure_setting() {
  auto* box = new QDoubleSpinBox;
  box->setObjectName(QStringLiteral("pressure_setting"));
  box->setRange(sim::kLowestHpa, sim::kHighestHpa);
  box->setDecimals(1);
  // Rounded as the pressure's row and the Windows edition's box round it.
  box->setValue(
      simrun::pressure_setting(panel_.pressure_text()).value_or(panel_.settings().pressure_hpa));
  connect(box, &QDoubleSpinBox::valueChanged, this, [this](double hpa) {
    panel_.set_pressure(hpa);
    refresh();
  });
  return box;
}

QWidget* SimWindow::make_sensor_fault() {
  auto* row = new QWidget;
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  sensor_ = new QPushButton(q(simrun::kSensorFaultTitle));
  sensor_->setObjectName(QStringLiteral("fault_sensor"));
  sensor_->setCheckable(true);
  sensor_choice_ = new QComboBox;
  sensor_choice_->setObjectName(QStringLiteral("fault_sensor_which"));
  for (const std::string& choice : simrun::sensor_choices(panel_.settings()))
    sensor_choice_->addItem(q(choice));
  sensor_kind_ = new QComboBox;
  sensor_kind_->setObjectName(QStringLiteral("fault_sensor_kind"));
  for (const simrun::SensorFaultKind& kind : simrun::kSensorFaultKinds)
    sensor_kind_->addItem(q(kind.title));
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
  panel_.set_sensor_fault(sensor_choice_->currentIndex(), sensor_kind_->currentIndex(), on);
  refresh();
}

void SimWindow::set_speed(int speed) {
  panel_.set_speed(speed);
  if (QAbstractButton* button = speeds_->button(panel_.speed())) button->setChecked(true);
}

void SimWindow::show_faults() {
  for (std::size_t k = 0; k < fault_buttons_.size(); ++k)
    fault_buttons_[k]->setChecked(panel_.fault_on(k));
  sensor_->setChecked(panel_.sensor_fault_on(sensor_choice_->currentIndex()));
}

void SimWindow::refresh() {
  panel_.catch_up();
  show_plant();
}

void SimWindow::show_plant() {
  const auto values = panel_.values();
  for (std::size_t k = 0; k < values.size(); ++k)
    values_[simrun::kPlantRows[k].name]->setText(q(values[k]));
  show_faults();
}

}  // namespace kolvar::simview
