#include "view/companions.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <algorithm>

#include "view/on_screen.h"

namespace kolvar::view {

namespace {

// A window manager that never shows the main window (it starts minimised,
// or on another desktop) must not keep the companions from showing.
constexpr int kFallbackMs = 1500;
// Smaller than this a companion is of no use, whatever it says of itself.
constexpr QSize kLeast(160, 100);
// Answers the window system owes are few; more can only be answers lost.
constexpr std::size_t kAskedKept = 8;
// Places asked again of a window whose title bar ended up off the screen.
constexpr int kOffScreenTries = 3;
// A window manager may tell a window its frame only after the window's last
// move: nothing then reports the new frame, so a companion placed with a
// guessed frame is looked at again a few times after it last moved.
constexpr int kSettleMs = 250;
constexpr int kSettleLooks = 8;

QMargins frame_margins(const QWidget& w) {
  const QRect frame = w.frameGeometry();
  const QRect inner = w.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

Extent framed(QSize size, const QMargins& m) {
  return {size.width() + m.left() + m.right(), size.height() + m.top() + m.bottom()};
}

Box box_of(const QRect& r) {
  return {r.left(), r.top(), r.width(), r.height()};
}

}  // namespace

Companions::Companions(QWidget& main) : main_(main) {
  fallback_.setSingleShot(true);
  fallback_.setInterval(kFallbackMs);
  connect(&fallback_, &QTimer::timeout, this, [this] { main_in_place(); });
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, [this] { look_again(); });
  main_.installEventFilter(this);
  if (main_.isVisible()) fallback_.start();
  when_on_screen(main_, *this, [this] {
    if (!main_placed_) main_in_place();
  });
}

Companions::~Companions() = default;

void Companions::add(QWidget& window) {
  Companion& c = companions_.emplace_back();
  c.window = &window;
  window.installEventFilter(this);
  if (main_placed_) main_in_place();
}

bool Companions::follows(const QWidget& window) const {
  for (const Companion& c : companions_)
    if (c.window == &window) return c.following;
  return false;
}

bool Companions::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == &main_) {
    if (type == QEvent::Show && !main_placed_) {
      fallback_.start();
    } else if ((type == QEvent::Move || type == QEvent::Resize) && main_placed_) {
      follow_main();
    }
  } else if (Companion* c = companion_of(watched)) {
    if (type == QEvent::Move)
      moved(*c);
    else if (type == QEvent::Resize)
      resized(*c);
    if (type == QEvent::Move || type == QEvent::Resize) {
      place_again_if_framed_otherwise();
      looks_left_ = kSettleLooks;
      settle_.start();
    }
  }
  return QObject::eventFilter(watched, event);
}

// A companion framed otherwise than it was placed with (a frame with a handle
// to resize it, or a frame the window manager told of late) is placed again
// with its own frame.
void Companions::place_again_if_framed_otherwise() {
  if (!main_placed_) return;
  for (Companion& c : companions_) {
    if (!c.window || !c.following || !c.shown || !c.window->isVisible()) continue;
    if (frame_margins(*c.window) != c.frame || title_off_screen(c)) {
      follow_main();
      return;
    }
  }
}

void Companions::look_again() {
  if (--looks_left_ <= 0) settle_.stop();
  place_again_if_framed_otherwise();
}

// Placed before the window system knew its frame, a window may be mapped
// with its client where the frame was meant to stand, its title bar above
// the screen where the operator cannot take hold of it. Placed again, it
// stands where asked; a window manager that keeps it there is left alone
// after a few tries.
bool Companions::title_off_screen(Companion& c) {
  const QScreen* screen = c.window->screen();
  if (!screen || screen->availableGeometry().contains(c.window->frameGeometry().topLeft()))
    return false;
  return c.replaced_off_screen++ < kOffScreenTries;
}

Companions::Companion* Companions::companion_of(const QObject* watched) {
  for (Companion& c : companions_)
    if (c.window == watched) return &c;
  return nullptr;
}

void Companions::main_in_place() {
  main_placed_ = true;
  fallback_.stop();
  follow_main();
  for (Companion& c : companions_) {
    if (c.shown || !c.window) continue;
    c.shown = true;
    // The operator goes on working in the main window.
    c.window->setAttribute(Qt::WA_ShowWithoutActivating);
    c.window->show();
    c.window->setAttribute(Qt::WA_ShowWithoutActivating, false);
  }
  looks_left_ = kSettleLooks;
  settle_.start();
}

void Companions::follow_main() {
  const QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  // A companion not yet in a frame of the window manager's will get one like
  // the main window's.
  const QMargins main_margins = frame_margins(main_);
  std::vector<Companion*> followers;
  std::vector<QMargins> margins;
  std::vector<CompanionExtent> extents;
  for (Companion& c : companions_) {
    if (!c.window || !c.following) continue;
    QWidget& w = *c.window;
    if (!c.wanted) {
      if (!w.testAttribute(Qt::WA_Resized)) w.adjustSize();
      c.wanted = w.size();
      c.sized = w.size();
    }
    const QMargins m = w.isVisible() ? frame_margins(w) : main_margins;
    const QSize least = w.minimumSizeHint().expandedTo(w.minimumSize()).expandedTo(kLeast);
    c.frame = m;
    followers.push_back(&c);
    margins.push_back(m);
    extents.push_back({framed(*c.wanted, m), framed(least, m)});
  }
  const std::vector<Box> boxes = lay_out_companions(box_of(main_.frameGeometry()), extents,
                                                    box_of(screen->availableGeometry()));
  for (std::size_t i = 0; i < followers.size(); ++i) {
    Companion& c = *followers[i];
    QWidget& w = *c.window;
    const QMargins& m = margins[i];
    const QSize size(boxes[i].width - m.left() - m.right(), boxes[i].height - m.top() - m.bottom());
    if (size != w.size()) {
      c.sized = size;
      w.resize(size);
    }
    const QPoint at(boxes[i].left, boxes[i].top);
    if (at != w.frameGeometry().topLeft()) {
      if (c.asked.size() >= kAskedKept) c.asked.erase(c.asked.begin());
      c.asked.push_back(at);
      w.move(at);  // a window's position is its frame's
    }
  }
}

// A move that no request of ours explains is the operator's. The window
// system answers each request with the place it gave, which the window
// manager may have changed a little (to keep the frame on screen): an answer
// that is not the place asked for answers the oldest request.
void Companions::moved(Companion& c) {
  if (!c.shown || !c.window->isVisible()) return;
  const QPoint at = c.window->frameGeometry().topLeft();
  const auto answer = std::find(c.asked.begin(), c.asked.end(), at);
  if (answer != c.asked.end())
    c.asked.erase(c.asked.begin(), answer + 1);
  else if (!c.asked.empty())
    c.asked.erase(c.asked.begin());
  else if (at != c.settled)
    c.following = false;
  c.settled = at;
}

// A size the operator gave is the one to keep where the screen has room.
void Companions::resized(Companion& c) {
  if (!c.shown || !c.window->isVisible()) return;
  const QSize size = c.window->size();
  if (size == c.sized) return;
  c.sized = size;
  c.wanted = size;
}

}  // namespace kolvar::view
