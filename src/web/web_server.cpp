// The one source that sees Boost.Asio: it is slow to compile, and every
// decision about a request is made in request_head.cpp, router.cpp and
// connection_room.cpp, which the tests drive without a socket.
#include "web/web_server.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/udp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/asio/write.hpp>
#include <fstream>
#include <map>
#include <optional>
#include <thread>
#include <vector>

#include "web/request_head.h"

namespace kolvar::remote {

namespace net = boost::asio;
using tcp = net::ip::tcp;
using error_code = boost::system::error_code;

namespace {

class HubData : public PageData {
 public:
  HubData(PageHub& hub, std::filesystem::path runs) : hub_(hub), runs_(std::move(runs)) {}
  std::shared_ptr<const PageSnapshot> latest() override { return hub_.latest(); }
  std::string plot_svg(chart::Size size) override { return hub_.plot_svg(size); }
  bool can_stop() override { return hub_.can_stop(); }
  bool request_stop() override { return hub_.request_stop(); }
  std::optional<std::vector<journal::RunEntry>> runs() override {
    // Before the first run there is no folder, and nothing to list.
    std::error_code ec;
    if (!std::filesystem::exists(runs_, ec) && !ec) return std::vector<journal::RunEntry>{};
    try {
      return journal::list_runs(runs_);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  // The file the record named, never one a request named.
  std::optional<std::string> record_csv(const std::string& file,
                                        std::uint64_t most_bytes) override {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    // One byte past the most tells the router it is too large.
    const std::uint64_t wanted =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(size), most_bytes + 1);
    in.seekg(0);
    std::string text(static_cast<std::size_t>(wanted), '\0');
    in.read(text.data(), static_cast<std::streamsize>(wanted));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
  }

 private:
  PageHub& hub_;
  std::filesystem::path runs_;
};

std::string header_block(int status, const std::string& content_type,
                         const std::vector<std::pair<std::string, std::string>>& extra) {
  std::string out = "HTTP/1.1 " + std::to_string(status) + " " + status_text(status) + "\r\n";
  out += "Content-Type: " + content_type + "\r\n";
  for (const auto& [name, value] : security_headers())
    out.append(name).append(": ").append(value).append("\r\n");
  for (const auto& [name, value] : extra)
    out.append(name).append(": ").append(value).append("\r\n");
  return out;
}

}  // namespace

class Viewer;
class Session;

struct WebServer::Impl {
  Impl(PageHub& hub, ServerOptions options)
      : hub(hub),
        data(hub, options.runs),
        options(std::move(options)),
        now(this->options.now ? this->options.now : platform::monotonic_ms),
        room(this->options.room),
        acceptor(io),
        heartbeat(io),
        sweeper(io) {}
  ~Impl() {
    // Sessions still waiting go before the members they count in.
    error_code ignored;
    acceptor.close(ignored);
  }

  void accept();
  void push();
  void beat();
  void sweep();
  void close(ConnectionRoom::Id id);
  void wake() {
    if (!push_pending.exchange(true)) net::post(io, [this] { push(); });
  }

  PageHub& hub;
  HubData data;
  ServerOptions options;
  std::function<platform::Millis()> now;
  // Before the context: handlers it still holds when it goes count down.
  std::atomic<bool> push_pending{false};
  std::atomic<std::size_t> viewer_count{0};
  std::uint64_t pushed = 0;
  // The server's thread alone.
  ConnectionRoom room;
  ConnectionRoom::Id last_id = 0;
  std::map<ConnectionRoom::Id, std::weak_ptr<Session>> sessions;
  std::vector<std::weak_ptr<Viewer>> viewers;
  // Handlers hold the server by a plain pointer: it outlives its thread.
  net::io_context io{1};
  tcp::acceptor acceptor;
  net::steady_timer heartbeat;
  net::steady_timer sweeper;
  std::thread thread;
};

namespace {

// Counts a viewer for as long as it lives.
class Counted {
 public:
  explicit Counted(std::atomic<std::size_t>& count) : count_(count) { ++count_; }
  ~Counted() { --count_; }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

 private:
  std::atomic<std::size_t>& count_;
};

void close_socket(tcp::socket& socket) {
  error_code ignored;
  socket.shutdown(tcp::socket::shutdown_both, ignored);
  socket.close(ignored);
}

}  // namespace

// A browser on the push stream: the newest state goes out as soon as the
// last write is done; a state that a slow viewer missed is replaced by the
// next, never queued behind it.
class Viewer : public std::enable_shared_from_this<Viewer> {
 public:
  Viewer(WebServer::Impl* server, tcp::socket socket, ConnectionRoom::Id id)
      : server_(server),
        id_(id),
        viewer_(server_->viewer_count),
        socket_(std::move(socket)),
        timer_(socket_.get_executor()) {}
  ~Viewer() { server_->room.closed(id_); }
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  void begin(std::string first) {
    watch_close();
    send(std::make_shared<const std::string>(std::move(first)));
  }

  void send(std::shared_ptr<const std::string> text) {
    if (writing_) {
      next_ = std::move(text);
      return;
    }
    writing_ = true;
    current_ = std::move(text);
    timer_.expires_after(server_->options.idle);
    timer_.async_wait([weak = weak_from_this()](error_code ec) {
      if (auto self = weak.lock(); self && !ec) self->close();
    });
    net::async_write(socket_, net::buffer(*current_),
                     [self = shared_from_this()](error_code ec, std::size_t) {
                       self->timer_.cancel();
                       self->writing_ = false;
                       if (ec) return self->close();
                       if (self->next_) self->send(std::exchange(self->next_, nullptr));
                     });
  }

  bool idle() const { return !writing_; }

  void close() { close_socket(socket_); }

 private:
  // A viewer sends nothing more; a read ends when it goes away.
  void watch_close() {
    socket_.async_read_some(net::buffer(sink_),
                            [self = shared_from_this()](error_code ec, std::size_t) {
                              if (ec) return self->close();
                              self->watch_close();
                            });
  }

  WebServer::Impl* server_;
  ConnectionRoom::Id id_;
  Counted viewer_;
  tcp::socket socket_;
  net::steady_timer timer_;
  bool writing_ = false;
  std::shared_ptr<const std::string> current_, next_;
  char sink_[512]{};
};

// One connection's requests, one after another, until it closes, runs out
// of time or turns into a viewer. What each request is, and what it gets,
// is decided by request_head.cpp and router.cpp; here bytes only move.
class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(WebServer::Impl* server, tcp::socket socket, ConnectionRoom::Id id)
      : server_(server), id_(id), socket_(std::move(socket)) {}
  ~Session() {
    if (!handed_over_) server_->room.closed(id_);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void start() { next(); }

  // A connection the room has no place for hears why before it is closed.
  void refuse() { answer(no_room(), false); }

  void close() { close_socket(socket_); }

 private:
  // Takes the next request from what has come, or reads on.
  void next() {
    if (!head_) {
      std::optional<Taken<Head>> taken = take_head(received_);
      if (!taken) return read_more();
      received_.erase(0, taken->length);
      if (auto* refusal = std::get_if<Response>(&taken->result)) return answer(*refusal, false);
      head_ = std::move(std::get<Head>(taken->result));
    }
    if (head_->body == BodyFraming::Length) {
      if (received_.size() < head_->request.body_bytes) return read_more();
      received_.erase(0, head_->request.body_bytes);
    } else if (head_->body == BodyFraming::Chunked) {
      std::optional<Taken<std::size_t>> taken = take_chunked_body(received_);
      if (!taken) return read_more();
      received_.erase(0, taken->length);
      if (auto* refusal = std::get_if<Response>(&taken->result)) return answer(*refusal, false);
      head_->request.body_bytes = std::get<std::size_t>(taken->result);
    }
    const Request request = std::move(head_->request);
    head_.reset();
    serve(request);
  }

  void read_more() {
    socket_.async_read_some(net::buffer(chunk_),
                            [self = shared_from_this()](error_code ec, std::size_t n) {
                              if (ec) return self->close();
                              self->received_.append(self->chunk_.data(), n);
                              self->next();
                            });
  }

  void serve(const Request& request) {
    server_->room.answering(id_, server_->now());
    if (carries_key(request, server_->options.guard)) server_->room.keyed(id_);
    const Viewers viewers{server_->viewer_count, server_->options.max_viewers};
    Response response = route(request, server_->options.guard, server_->data, viewers);
    if (response.kind == Kind::EventStream) return view(response);
    answer(response, request.keep_alive && !ends_connection(response.status));
  }

  void answer(const Response& response, bool keep_alive) {
    std::string text = header_block(response.status, response.content_type, response.headers);
    text += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    text += keep_alive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    text += response.body;
    out_ = std::move(text);
    net::async_write(socket_, net::buffer(out_),
                     [self = shared_from_this(), keep_alive](error_code ec, std::size_t) {
                       if (ec || !keep_alive) return self->close();
                       self->server_->room.waiting(self->id_, self->server_->now());
                       self->next();
                     });
  }

  void view(const Response& response) {
    std::string text = header_block(200, response.content_type, response.headers);
    text += "Connection: close\r\nX-Accel-Buffering: no\r\n\r\n" + response.body;
    server_->room.viewing(id_);
    handed_over_ = true;  // the viewer holds the place now
    auto viewer = std::make_shared<Viewer>(server_, std::move(socket_), id_);
    server_->viewers.push_back(viewer);
    viewer->begin(std::move(text));
  }

  WebServer::Impl* server_;
  ConnectionRoom::Id id_;
  tcp::socket socket_;
  bool handed_over_ = false;
  std::string received_;
  std::optional<Head> head_;
  std::array<char, 4096> chunk_{};
  std::string out_;
};

void WebServer::Impl::accept() {
  acceptor.async_accept(io, [self = this](error_code ec, tcp::socket socket) {
    if (ec == net::error::operation_aborted) return;
    if (!ec) {
      const ConnectionRoom::Id id = ++self->last_id;
      const ConnectionRoom::Opening opening = self->room.open(id, self->now());
      if (opening.pushed_out) self->close(*opening.pushed_out);
      auto session = std::make_shared<Session>(self, std::move(socket), id);
      if (opening.admitted) {
        self->sessions[id] = session;
        session->start();
      } else {
        session->refuse();
      }
    }
    self->accept();
  });
}

void WebServer::Impl::close(ConnectionRoom::Id id) {
  room.closed(id);
  const auto it = sessions.find(id);
  if (it == sessions.end()) return;
  if (const std::shared_ptr<Session> session = it->second.lock()) session->close();
  sessions.erase(it);
}

void WebServer::Impl::sweep() {
  sweeper.expires_after(options.sweep);
  sweeper.async_wait([self = this](error_code ec) {
    if (ec) return;
    for (const ConnectionRoom::Id id : self->room.overdue(self->now())) self->close(id);
    std::erase_if(self->sessions, [](const auto& entry) { return entry.second.expired(); });
    self->sweep();
  });
}

void WebServer::Impl::push() {
  push_pending = false;
  hub.take_plot_news();
  const std::shared_ptr<const PageSnapshot> snapshot = hub.latest();
  if (!snapshot || snapshot->sequence == pushed) return;
  pushed = snapshot->sequence;
  const auto event = std::make_shared<const std::string>(state_event(*snapshot));
  std::erase_if(viewers, [&](const std::weak_ptr<Viewer>& weak) {
    const std::shared_ptr<Viewer> viewer = weak.lock();
    if (viewer) viewer->send(event);
    return !viewer;
  });
}

void WebServer::Impl::beat() {
  heartbeat.expires_after(options.heartbeat);
  heartbeat.async_wait([self = this](error_code ec) {
    if (ec) return;
    const auto comment = std::make_shared<const std::string>(": still here\n\n");
    std::erase_if(self->viewers, [&](const std::weak_ptr<Viewer>& weak) {
      const std::shared_ptr<Viewer> viewer = weak.lock();
      if (viewer && viewer->idle()) viewer->send(comment);
      return !viewer;
    });
    self->beat();
  });
}

WebServer::WebServer(PageHub& hub, ServerOptions options)
    : impl_(std::make_shared<Impl>(hub, std::move(options))) {
  Impl& s = *impl_;
  error_code ec;
  const net::ip::address host = net::ip::make_address(s.options.address.host, ec);
  if (ec) throw BindError("web: " + s.options.address.host + " is no IP address");
  const tcp::endpoint endpoint(host, s.options.address.port);
  s.acceptor.open(endpoint.protocol(), ec);
  if (!ec) s.acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
  if (!ec) s.acceptor.bind(endpoint, ec);
  if (!ec) s.acceptor.listen(net::socket_base::max_listen_connections, ec);
  if (ec)
    throw BindError("web: cannot serve on " + address_text(s.options.address) + ": " +
                    ec.message());
  hub.on_publish([weak = std::weak_ptr<Impl>(impl_)] {
    if (auto self = weak.lock()) self->wake();
  });
  s.accept();
  s.beat();
  s.sweep();
  s.thread = std::thread([&s] {
    // A fault in one connection's handling must not end the program.
    for (;;) {
      try {
        s.io.run();
        return;
      } catch (const std::exception&) {
      }
    }
  });
}

WebServer::~WebServer() {
  impl_->hub.on_publish({});
  net::post(impl_->io, [impl = impl_.get()] { impl->io.stop(); });
  impl_->thread.join();
}

std::uint16_t WebServer::port() const {
  error_code ec;
  return impl_->acceptor.local_endpoint(ec).port();
}

std::size_t WebServer::viewers() const {
  return impl_->viewer_count;
}

std::string network_address() {
  // Connecting a datagram socket sends nothing; it only picks the route.
  net::io_context io;
  net::ip::udp::socket socket(io);
  error_code ec;
  socket.open(net::ip::udp::v4(), ec);
  if (!ec) socket.connect({net::ip::make_address("192.0.2.1", ec), 9}, ec);
  if (ec) return {};
  const net::ip::udp::endpoint local = socket.local_endpoint(ec);
  if (ec || local.address().is_unspecified()) return {};
  return local.address().to_string();
}

}  // namespace kolvar::remote
