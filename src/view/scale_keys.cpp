#include "view/scale_keys.h"

#include <QKeySequence>
#include <QList>
#include <QShortcut>

#include "view/scale_steps.h"

namespace kolvar::view {

namespace {

void add_key(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> act) {
  auto* shortcut = new QShortcut(window);
  shortcut->setKeys(keys);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, std::move(act));
}

}  // namespace

void add_scale_keys(QWidget* window, const std::function<int()>& current,
                    const std::function<void(int)>& choose) {
  add_key(window, {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          [current, choose] { choose(larger_scale(current())); });
  add_key(window, {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
          [current, choose] { choose(smaller_scale(current())); });
  add_key(window, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [choose] { choose(kNormalScale); });
}

}  // namespace kolvar::view
