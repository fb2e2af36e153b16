#pragma once
// The indicator shape: a small rectangle in its back colour.
#include <QColor>
#include <QWidget>

namespace kolvar::view {

class Indicator : public QWidget {
 public:
  explicit Indicator(QWidget* parent) : QWidget(parent) {}
  void set_color(const QColor& color);
  QColor color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
};

}  // namespace kolvar::view
