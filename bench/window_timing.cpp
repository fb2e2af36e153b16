// The desktop program from outside: time from starting the process to the
// window's first paint, its resident memory, and the processor time an idle
// window takes. Run under a display (./dev bench uses Xvfb).
//   window_timing KOLVAR [IDLE_SECONDS]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Child {
  pid_t pid = -1;
  FILE* out = nullptr;
};

// Starts kolvar in folder with recording ports, so that it prints its first paint.
Child start(const std::string& kolvar, const std::filesystem::path& folder) {
  int fds[2];
  if (pipe(fds) != 0) std::exit(1);
  Child child;
  child.pid = fork();
  if (child.pid == 0) {
    dup2(fds[1], 1);
    close(fds[0]);
    close(fds[1]);
    if (chdir(folder.c_str()) != 0) _exit(127);
    setenv("KOLVAR_TEST_PORT", "fake", 1);
    execl(kolvar.c_str(), kolvar.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  child.out = fdopen(fds[0], "r");
  return child;
}

bool wait_for_paint(Child& child) {
  char line[256];
  while (std::fgets(line, sizeof line, child.out))
    if (std::string(line).find(" shown") != std::string::npos) return true;
  return false;
}

void stop(Child& child) {
  kill(child.pid, SIGTERM);
  waitpid(child.pid, nullptr, 0);
  std::fclose(child.out);
}

long rss_kib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// User and system time of the process, in clock ticks.
long long cpu_ticks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stoll(field);
    if (i == 15) stime = std::stoll(field);
  }
  return utime + stime;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_timing KOLVAR [IDLE_SECONDS]\n");
    return 2;
  }
  const std::string kolvar = std::filesystem::absolute(argv[1]);
  const int idle_s = argc > 2 ? std::atoi(argv[2]) : 20;
  const auto folder = std::filesystem::temp_directory_path() / "kolvar-window-timing";

  std::vector<double> paint_ms;
  for (int run = 0; run < 5; ++run) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto t0 = Clock::now();
    Child child = start(kolvar, folder);
    if (!wait_for_paint(child)) {
      std::fprintf(stderr, "kolvar never painted its window\n");
      return 1;
    }
    paint_ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    if (run < 4) {
      stop(child);
      continue;
    }
    // The last run stays open: memory, then the idle processor time.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long rss = rss_kib(child.pid);
    const long long before = cpu_ticks(child.pid);
    std::this_thread::sleep_for(std::chrono::seconds(idle_s));
    const long long used = cpu_ticks(child.pid) - before;
    stop(child);
    std::sort(paint_ms.begin(), paint_ms.end());
    std::printf("start to first paint: median %.0f ms, slowest %.0f ms (5 starts)\n", paint_ms[2],
                paint_ms.back());
    std::printf("resident memory of the open window: %.1f MB\n", rss / 1024.0);
    std::printf(
        "idle window: %.2f %% of one core over %d s\n",
        100.0 * static_cast<double>(used) / static_cast<double>(sysconf(_SC_CLK_TCK)) / idle_s,
        idle_s);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
