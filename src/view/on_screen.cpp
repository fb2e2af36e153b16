#include "view/on_screen.h"

#include <QEvent>
#include <QPointer>
#include <QWindow>

namespace kolvar::view {

namespace {

// Follows the widget to its native window, then that window to its first
// expose; owned by the context, and gone once it has run.
class OnScreen : public QObject {
 public:
  OnScreen(QWidget& top, QObject& context, std::function<void()> then)
      : QObject(&context), top_(&top), then_(std::move(then)) {
    if (top.isVisible() && top.windowHandle())
      top.windowHandle()->installEventFilter(this);
    else
      top.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    QWindow* window = top_ ? top_->windowHandle() : nullptr;
    if (watched == top_ && event->type() == QEvent::Show && window) {
      top_->removeEventFilter(this);
      window->installEventFilter(this);
    } else if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
      window->removeEventFilter(this);
      deleteLater();
      then_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QWidget> top_;
  std::function<void()> then_;
};

}  // namespace

void when_on_screen(QWidget& top, QObject& context, std::function<void()> then) {
  if (top.isVisible() && top.windowHandle() && top.windowHandle()->isExposed()) {
    then();
    return;
  }
  new OnScreen(top, context, std::move(then));
}

}  // namespace kolvar::view
