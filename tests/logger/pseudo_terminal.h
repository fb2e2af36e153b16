#pragma once
// A pseudo-terminal pair standing for a board on USB: the test writes on
// the master as the board would print, and the logger opens the slave
// through a link the test owns, re-pointed at a new pair to stand for the
// board plugged in again.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace kolvar::logger::testing {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
      ADD_FAILURE() << "no pseudo-terminal";
      return;
    }
    slave_ = ::ptsname(master_);
  }
  ~PseudoTerminal() { unplug(); }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // Points `link` at the slave end, replacing whatever it pointed at.
  void plug_in_at(const std::filesystem::path& link) const {
    const std::filesystem::path fresh = link.string() + ".new";
    std::filesystem::remove(fresh);
    std::filesystem::create_symlink(slave_, fresh);
    std::filesystem::rename(fresh, link);
  }

  void print(const std::string& text) const {
    ASSERT_EQ(::write(master_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  // The board's end goes away: the port's reader finds it hung up.
  void unplug() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string slave_;
};

}  // namespace kolvar::logger::testing
