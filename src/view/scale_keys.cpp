#include "view/scale_keys.h"

#include <QKeySequence>
#include <QShortcut>

#include "desk/scale_keys.h"

namespace kolvar::view {

void add_scale_keys(QWidget* window, const std::function<int()>& current,
                    const std::function<void(int)>& choose) {
  for (const char key : desk::scale_keys()) {
    auto* shortcut = new QShortcut(window);
    // Qt's code of a key with a character on it is that character's.
    shortcut->setKey(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(key)));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [key, current, choose] {
      if (const auto percent = desk::scale_for_key(key, current())) choose(*percent);
    });
  }
}

}  // namespace kolvar::view
