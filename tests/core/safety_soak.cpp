// safety_soak: the safety rules of the randomized property test for many
// fresh seeds, on every core. Run by `./dev soak [RUNS]`; not a test of CI.
//
//   safety_soak [RUNS] [--first SEED] [--jobs N]   RUNS seeds from SEED on
//                                                  (default 10000 from a random one)
//   safety_soak --seed SEED                        one seed's run, step by step
//
// Each worker is a process of its own in a folder of its own, since a run
// works in the current folder. A run that breaks a rule is reported with its
// seed and the fewest of its steps that still break it. The exit code is 1
// when any run broke a rule, 2 on bad arguments.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "support/safety_seeds.h"
#include "support/temp_folder.h"

namespace {

using kolvar::testing::RunOutcome;

// What a worker tells the parent, each message ended by a NUL: "S<seed>" as
// a run starts, "F<report>" for a run that broke a rule, and at its end
// "D<runs> <steps> <stops> <operator stops> <failed>".
constexpr std::size_t kReportsShown = 10;

struct Totals {
  std::uint64_t runs = 0, steps = 0, stops = 0, operator_stops = 0, failed = 0;
};

void send(int fd, char kind, const std::string& text) {
  std::string message = kind + text;
  message.push_back('\0');
  for (std::size_t sent = 0; sent < message.size();) {
    const ssize_t n = ::write(fd, message.data() + sent, message.size() - sent);
    if (n <= 0) std::_Exit(3);  // the parent is gone
    sent += static_cast<std::size_t>(n);
  }
}

// The runs of seeds first + worker, first + worker + jobs, ...
void work(int fd, std::uint32_t first, std::uint64_t runs, unsigned worker, unsigned jobs) {
  kolvar::testing::TempFolder folder(kolvar::testing::memory_temp_directory());
  kolvar::testing::WorkingFolder working(folder.path());
  Totals t;
  for (std::uint64_t i = worker; i < runs; i += jobs) {
    const auto seed = static_cast<std::uint32_t>(first + i);
    send(fd, 'S', std::to_string(seed));
    const RunOutcome outcome = kolvar::testing::run_seed(seed);
    ++t.runs;
    t.steps += outcome.steps.size();
    t.stops += static_cast<std::uint64_t>(outcome.stops);
    t.operator_stops += static_cast<std::uint64_t>(outcome.operator_stops);
    if (!outcome.rule.empty()) {
      // Cutting a run down replays it many times: only the first few.
      send(fd, 'F',
           ++t.failed <= kReportsShown
               ? kolvar::testing::failure_report(seed)
               : "seed " + std::to_string(seed) + ": " + outcome.rule + "\n");
    }
  }
  std::ostringstream done;
  done << t.runs << ' ' << t.steps << ' ' << t.stops << ' ' << t.operator_stops << ' ' << t.failed;
  send(fd, 'D', done.str());
}

struct Worker {
  pid_t pid = -1;
  int fd = -1;
  std::string pending;
  std::string last_seed;
  bool done = false;
};

int soak(std::uint64_t runs, std::uint32_t first, unsigned jobs) {
  const auto began = std::chrono::steady_clock::now();
  std::cout << "safety soak: " << runs << " runs of " << kolvar::testing::kSafetySteps
            << " steps, seeds " << first << " on, " << jobs << " workers" << std::endl;
  std::vector<Worker> workers(jobs);
  for (unsigned k = 0; k < jobs; ++k) {
    int fds[2];
    if (::pipe(fds) != 0) {
      std::perror("safety_soak: pipe");
      return 3;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
      std::perror("safety_soak: fork");
      return 3;
    }
    if (pid == 0) {
      ::close(fds[0]);
      for (unsigned j = 0; j < k; ++j) ::close(workers[j].fd);
      work(fds[1], first, runs, k, jobs);
      std::_Exit(0);  // the parent's streams are the parent's to flush
    }
    ::close(fds[1]);
    workers[k].pid = pid;
    workers[k].fd = fds[0];
  }

  Totals total;
  // Progress on the error stream, each tenth of a long soak.
  const std::uint64_t tenth = runs >= 1000 ? runs / 10 : runs;
  std::uint64_t started = 0, next_progress = tenth;
  bool broken_worker = false;
  std::vector<pollfd> watched;
  std::vector<Worker*> watched_workers;
  for (;;) {
    watched.clear();
    watched_workers.clear();
    for (Worker& w : workers) {
      if (w.fd < 0) continue;
      watched.push_back({w.fd, POLLIN, 0});
      watched_workers.push_back(&w);
    }
    if (watched.empty()) break;
    if (::poll(watched.data(), watched.size(), -1) < 0) {
      if (errno == EINTR) continue;
      std::perror("safety_soak: poll");
      return 3;
    }
    for (std::size_t k = 0; k < watched.size(); ++k) {
      if (watched[k].revents == 0) continue;
      Worker& w = *watched_workers[k];
      char buffer[4096];
      const ssize_t n = ::read(w.fd, buffer, sizeof buffer);
      if (n <= 0) {  // the worker has ended
        ::close(w.fd);
        w.fd = -1;
        continue;
      }
      w.pending.append(buffer, static_cast<std::size_t>(n));
      for (std::size_t end; (end = w.pending.find('\0')) != std::string::npos;) {
        const std::string message = w.pending.substr(0, end);
        w.pending.erase(0, end + 1);
        const std::string_view text = std::string_view(message).substr(1);
        if (message[0] == 'S') {
          w.last_seed = text;
          if (++started >= next_progress && started < runs) {
            std::cerr << "safety soak: " << started << " of " << runs << " runs started\n";
            next_progress += tenth;
          }
        } else if (message[0] == 'F') {
          std::cout << text << std::flush;
        } else if (message[0] == 'D') {
          std::istringstream in{std::string(text)};
          Totals t;
          in >> t.runs >> t.steps >> t.stops >> t.operator_stops >> t.failed;
          total.runs += t.runs;
          total.steps += t.steps;
          total.stops += t.stops;
          total.operator_stops += t.operator_stops;
          total.failed += t.failed;
          w.done = true;
        }
      }
    }
  }
  for (Worker& w : workers) {
    int status = 0;
    ::waitpid(w.pid, &status, 0);
    if (!w.done || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      broken_worker = true;
      std::cout << "a worker ended early (";
      if (WIFSIGNALED(status))
        std::cout << "signal " << WTERMSIG(status);
      else
        std::cout << "exit code " << WEXITSTATUS(status);
      std::cout << ") in the run of seed " << w.last_seed << "; replay it with: safety_soak --seed "
                << w.last_seed << "\n";
    }
  }

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::cout << "safety soak: " << total.runs << " runs, " << total.stops << " stops ("
            << total.operator_stops << " by \"Стоп системы\", the others protective), "
            << total.steps << " steps; ";
  if (total.failed == 0 && !broken_worker)
    std::cout << "every safety rule held";
  else
    std::cout << total.failed << " runs broke a rule";
  std::printf(" (%.0f s)\n", seconds);
  std::fflush(stdout);
  return total.failed == 0 && !broken_worker ? 0 : 1;
}

// One seed's run, each step as it went, and the shortest steps when it failed.
int replay_seed(std::uint32_t seed) {
  kolvar::testing::TempFolder folder(kolvar::testing::memory_temp_directory());
  kolvar::testing::WorkingFolder working(folder.path());
  const RunOutcome outcome = kolvar::testing::run_seed(seed);
  for (std::size_t i = 0; i < outcome.steps.size(); ++i)
    std::cout << i + 1 << ". " << outcome.steps[i] << '\n';
  std::cout << "seed " << seed << ": " << outcome.steps.size() << " steps, " << outcome.stops
            << " stops; ";
  if (outcome.rule.empty()) {
    std::cout << "every safety rule held\n";
    return 0;
  }
  std::cout << "broke a rule\n" << kolvar::testing::failure_report(seed);
  return 1;
}

std::optional<std::uint64_t> number(const char* text, std::uint64_t most) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || text[0] == '-' || value > most) return {};
  return value;
}

int usage() {
  std::cerr << "usage: safety_soak [RUNS] [--first SEED] [--jobs N] | --seed SEED\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t runs = 10000;
  std::optional<std::uint64_t> first, seed;
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<std::uint64_t>* option = arg == "--first"  ? &first
                                           : arg == "--seed" ? &seed
                                                             : nullptr;
    if (option || arg == "--jobs") {
      if (i + 1 == argc) return usage();
      const auto value = number(argv[++i], arg == "--jobs" ? 1024 : UINT32_MAX);
      if (!value || (arg == "--jobs" && *value == 0)) return usage();
      if (option)
        *option = value;
      else
        jobs = static_cast<unsigned>(*value);
    } else if (const auto value = number(argv[i], UINT64_MAX / 2); value && *value > 0) {
      runs = *value;
    } else {
      return usage();
    }
  }
  if (seed) return replay_seed(static_cast<std::uint32_t>(*seed));
  if (jobs > runs) jobs = static_cast<unsigned>(runs);
  std::cout.flush();  // nothing buffered to be written twice by the workers
  return soak(runs, first ? static_cast<std::uint32_t>(*first) : std::random_device{}(), jobs);
}
