#pragma once
// The windows that keep the main window company (the simulator's window, the
// plot) stand beside the main window where the window manager really put
// it, not where the program asked it to be: each is shown only once the main
// window is on screen in its frame, and follows when the main window moves
// or changes size, until the operator moves it; from then on it stays where
// the operator put it.
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "desk/companion_layout.h"

namespace kolvar::view {

using desk::Box;
using desk::CompanionExtent;
using desk::Extent;
using desk::kCompanionGap;
using desk::lay_out_companions;

class Companions : public QObject {
 public:
  // `main` must outlive this.
  explicit Companions(QWidget& main);
  Companions(const Companions&) = delete;
  Companions& operator=(const Companions&) = delete;
  ~Companions() override;

  // `window` goes beside the main window and the companions added before
  // it, and is shown once the main window stands in its frame (at once if
  // it already does). It may be destroyed before this is.
  void add(QWidget& window);
  // Whether `window` still follows the main window.
  bool follows(const QWidget& window) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Companion {
    QPointer<QWidget> window;
    // The size it is placed with while the screen has room: its size when
    // first shown, or the size the operator gave it since.
    std::optional<QSize> wanted;
    bool following = true;
    bool shown = false;
    // Frame positions asked of the window system and not answered yet,
    // oldest first; where it stood after its last answer.
    std::vector<QPoint> asked;
    QPoint settled;
    // The last size given; a resize to another is the operator's.
    QSize sized;
    // The frame it was placed with: until the window manager has framed it,
    // one like the main window's.
    QMargins frame;
    // How often it was placed again for a title bar off the screen.
    int replaced_off_screen = 0;
  };

  void main_in_place();
  void follow_main();
  void look_again();
  void place_again_if_framed_otherwise();
  void moved(Companion& c);
  void resized(Companion& c);
  bool title_off_screen(Companion& c);
  Companion* companion_of(const QObject* watched);

  QWidget& main_;
  QTimer fallback_;
  // Looks again at the companions a while after their last move or resize.
  QTimer settle_;
  int looks_left_ = 0;
  std::vector<Companion> companions_;
  bool main_placed_ = false;
};

}  // namespace kolvar::view
