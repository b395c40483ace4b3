// The board's HTTP/1.1 server: accepts connections, caps them, and hands their requests on.
#include "AppBoardServer.h"

#include "AppBoardSession.h"

#include <boost/asio/strand.hpp>
#include <boost/asio/write.hpp>

#include <csignal>
#include <thread>
#include <vector>

namespace net = boost::asio;
using tcp = net::ip::tcp;

AppBoardServer::AppBoardServer(AppBoardService& service, AppBoardMetrics& metrics,
                               const AppBoardServerOptions& options)
    : service_(service), metrics_(metrics), options_(options), io_(int(options.ioThreads)),
      acceptor_(io_), signals_(io_, SIGINT, SIGTERM), workers_(options.workers, options.queueLimit),
      rateLimit_(options.uploadsPerMinute) {
    acceptor_.open(options.listen.protocol());
    acceptor_.set_option(net::socket_base::reuse_address(true));
    acceptor_.bind(options.listen);
    acceptor_.listen(net::socket_base::max_listen_connections);
}

void AppBoardServer::Run() {
    signals_.async_wait([this](boost::system::error_code, int) { io_.stop(); });
    Accept();
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < options_.ioThreads; ++i)
        threads.emplace_back([this] { io_.run(); });
    io_.run();
    for (std::thread& thread : threads)
        thread.join();
}

void AppBoardServer::Accept() {
    acceptor_.async_accept(
        net::make_strand(io_), [this](boost::system::error_code error, tcp::socket socket) {
            if (!error) {
                if (connections_ < options_.maxConnections) {
                    std::make_shared<AppBoardSession>(std::move(socket), *this)->Start();
                } else {
                    // Over the cap the answer is short and written at once into the fresh
                    // connection's empty send buffer; the socket is then dropped.
                    static const std::string body =
                        AppBoardService::Error(503, "busy", "too many open connections").body;
                    static const std::string busy =
                        "HTTP/1.1 503 Service Unavailable\r\nContent-Type: application/json\r\n"
                        "Connection: close\r\nContent-Length: " +
                        std::to_string(body.size()) + "\r\n\r\n" + body;
                    socket.non_blocking(true, error);
                    socket.write_some(net::buffer(busy), error);
                }
            }
            // Out of descriptors the accept fails; the next one is tried all the same.
            Accept();
        });
}
