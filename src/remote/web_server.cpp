// The one source that sees Boost.Beast and Boost.Asio: they are slow to
// compile, so every decision about a request is made in router.cpp.
#include "remote/web_server.h"

#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/udp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/http/write.hpp>
#include <deque>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

namespace kolvar::remote {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = net::ip::tcp;
using error_code = boost::system::error_code;

namespace {

// A record larger than this is not sent whole (a run of weeks).
constexpr std::uint64_t kMostRecordBytes = 64ull << 20;

class HubData : public PageData {
 public:
  explicit HubData(PageHub& hub) : hub_(hub) {}
  std::shared_ptr<const PageSnapshot> latest() override { return hub_.latest(); }
  std::string plot_svg(chart::Size size) override { return hub_.plot_svg(size); }
  bool can_stop() override { return hub_.can_stop(); }
  bool request_stop() override { return hub_.request_stop(); }
  // The file the record named, never one a request named.
  std::optional<std::string> record_csv(const std::string& file) override {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMostRecordBytes) return std::nullopt;
    in.seekg(0);
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), size);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
  }

 private:
  PageHub& hub_;
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

struct WebServer::Impl {
  Impl(PageHub& hub, ServerOptions options)
      : hub(hub), data(hub), options(std::move(options)), acceptor(io), heartbeat(io) {}
  ~Impl() {
    // Sessions still waiting go before the members they count in.
    error_code ignored;
    acceptor.close(ignored);
  }

  void accept();
  void push();
  void beat();
  void wake() {
    if (!push_pending.exchange(true)) net::post(io, [this] { push(); });
  }

  PageHub& hub;
  HubData data;
  ServerOptions options;
  // Before the context: handlers it still holds when it goes count down.
  std::atomic<bool> push_pending{false};
  std::atomic<std::size_t> connections{0};
  std::atomic<std::size_t> viewer_count{0};
  std::uint64_t pushed = 0;
  std::vector<std::weak_ptr<Viewer>> viewers;  // the server's thread alone
  // Handlers hold the server by a plain pointer: it outlives its thread.
  net::io_context io{1};
  tcp::acceptor acceptor;
  net::steady_timer heartbeat;
  std::thread thread;
};

namespace {

// Counts a connection for as long as it lives.
class Counted {
 public:
  explicit Counted(std::atomic<std::size_t>& count) : count_(count) { ++count_; }
  ~Counted() { --count_; }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

 private:
  std::atomic<std::size_t>& count_;
};

}  // namespace

// A browser on the push stream: the newest state goes out as soon as the
// last write is done; a state that a slow viewer missed is replaced by the
// next, never queued behind it.
class Viewer : public std::enable_shared_from_this<Viewer> {
 public:
  Viewer(WebServer::Impl* server, tcp::socket socket)
      : server_(server),
        connection_(server_->connections),
        viewer_(server_->viewer_count),
        socket_(std::move(socket)),
        timer_(socket_.get_executor()) {}

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

  void close() {
    error_code ignored;
    socket_.shutdown(tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
  }

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
  Counted connection_;
  Counted viewer_;
  tcp::socket socket_;
  net::steady_timer timer_;
  bool writing_ = false;
  std::shared_ptr<const std::string> current_, next_;
  char sink_[512]{};
};

namespace {

// One connection's requests, one after another, until it closes, goes idle
// or turns into a viewer.
class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(WebServer::Impl* server, tcp::socket socket)
      : server_(server),
        connection_(std::make_unique<Counted>(server_->connections)),
        stream_(std::move(socket)) {}

  void read() {
    parser_.emplace();
    parser_->header_limit(static_cast<std::uint32_t>(kMaxHeaderBytes));
    parser_->body_limit(kMaxBodyBytes);
    stream_.expires_after(server_->options.idle);
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](error_code ec, std::size_t) { self->got(ec); });
  }

  // A connection beyond the limit hears why before it is closed.
  void refuse() {
    answer({503, "text/plain; charset=utf-8", "Too many connections\n", {{"Retry-After", "5"}}},
           false);
  }

 private:
  void got(error_code ec) {
    if (ec == http::error::header_limit || ec == http::error::body_limit)
      return answer({413, "text/plain; charset=utf-8", "Too large\n", {}}, false);
    if (ec) return close();
    const auto& message = parser_->get();
    Request request;
    request.method = std::string(message.method_string());
    request.target = std::string(message.target());
    request.authorization = std::string(message[http::field::authorization]);
    request.host = std::string(message[http::field::host]);
    request.body_bytes = message.body().size();
    Response response = route(request, server_->options.guard, server_->data);
    if (response.kind == Kind::EventStream) return view(response);
    answer(response, message.keep_alive());
  }

  void answer(const Response& response, bool keep_alive) {
    std::string text = header_block(response.status, response.content_type, response.headers);
    text += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    text += keep_alive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    text += response.body;
    out_ = std::move(text);
    stream_.expires_after(server_->options.idle);
    net::async_write(stream_, net::buffer(out_),
                     [self = shared_from_this(), keep_alive](error_code ec, std::size_t) {
                       if (ec || !keep_alive) return self->close();
                       self->read();
                     });
  }

  void view(const Response& response) {
    if (server_->viewer_count >= server_->options.max_viewers)
      return answer(
          {503, "text/plain; charset=utf-8", "Too many viewers\n", {{"Retry-After", "5"}}}, false);
    std::string text = header_block(200, response.content_type, response.headers);
    text += "Connection: close\r\nX-Accel-Buffering: no\r\n\r\n" + response.body;
    stream_.expires_never();
    connection_.reset();  // the viewer counts itself
    auto viewer = std::make_shared<Viewer>(server_, stream_.release_socket());
    server_->viewers.push_back(viewer);
    viewer->begin(std::move(text));
  }

  void close() {
    error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.close();
  }

  WebServer::Impl* server_;
  std::unique_ptr<Counted> connection_;
  beast::tcp_stream stream_;
  beast::flat_buffer buffer_{kMaxHeaderBytes + kMaxBodyBytes};
  std::optional<http::request_parser<http::string_body>> parser_;
  std::string out_;
};

}  // namespace

void WebServer::Impl::accept() {
  acceptor.async_accept(io, [self = this](error_code ec, tcp::socket socket) {
    if (ec == net::error::operation_aborted) return;
    if (!ec) {
      const bool full = self->connections >= self->options.max_connections;
      auto session = std::make_shared<Session>(self, std::move(socket));
      if (full)
        session->refuse();
      else
        session->read();
    }
    self->accept();
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
