#pragma once
// A plain HTTP client over a loopback socket for the server's tests: what is
// sent is exactly what the test wrote, and every wait has a deadline.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kolvar::remote::testing {

class Connection {
 public:
  explicit Connection(std::uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd_ < 0 || ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
      throw std::runtime_error("cannot connect");
  }
  ~Connection() { ::close(fd_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void send(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
      const ssize_t n = ::send(fd_, text.data() + at, text.size() - at, MSG_NOSIGNAL);
      if (n <= 0) return;  // the server closed: the test reads what it said
      at += static_cast<std::size_t>(n);
    }
  }

  // Reads until `done` says the text so far is enough, the peer closes or
  // the deadline passes; returns what came.
  template <class Done>
  std::string read_until(Done done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done(received_)) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
      char buffer[4096];
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
      if (n <= 0) {
        closed_ = true;
        break;
      }
      received_.append(buffer, static_cast<std::size_t>(n));
    }
    return received_;
  }

  // One whole answer (its headers and Content-Length body).
  std::string answer() {
    return read_until([](const std::string& text) {
      const std::size_t end = text.find("\r\n\r\n");
      if (end == std::string::npos) return false;
      const std::size_t length = text.find("Content-Length: ");
      if (length == std::string::npos || length > end) return true;
      return text.size() >= end + 4 + std::stoul(text.substr(length + 16));
    });
  }

  bool closed() const { return closed_; }
  void forget() { received_.clear(); }

 private:
  int fd_ = -1;
  std::string received_;
  bool closed_ = false;
};

// The status of an answer, 0 when there is none.
inline int status_of(const std::string& answer) {
  if (answer.size() < 12 || !answer.starts_with("HTTP/1.1 ")) return 0;
  return std::stoi(answer.substr(9, 3));
}

// GET or another method on `target`, with a Host of this machine.
inline std::string request(const std::string& method, const std::string& target,
                           const std::string& more_headers = "") {
  return method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + more_headers + "\r\n";
}

}  // namespace kolvar::remote::testing
