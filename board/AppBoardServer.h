// The board's HTTP/1.1 server: accepts connections, caps them, and hands their requests on.
#pragma once

#include "AppBoardMetrics.h"
#include "AppBoardService.h"
#include "AppBoardWorkers.h"
#include "AppRateLimit.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>

#include <atomic>
#include <chrono>
#include <string>

struct AppBoardServerOptions {
    boost::asio::ip::tcp::endpoint listen{boost::asio::ip::make_address("127.0.0.1"), 8427};
    unsigned ioThreads = 2;
    unsigned workers = 2;
    std::size_t queueLimit = 256;
    std::size_t maxConnections = 4096;
    int uploadsPerMinute = 30;
    // A request's header, and the wait for the next request on a kept-alive connection.
    std::chrono::seconds headerTimeout{10};
    std::chrono::seconds bodyTimeout{20};
};

class AppBoardServer {
public:
    // Binds the address and listens; throws boost::system::system_error when it cannot.
    AppBoardServer(AppBoardService& service, AppBoardMetrics& metrics,
                   const AppBoardServerOptions& options);

    boost::asio::ip::tcp::endpoint Endpoint() const { return acceptor_.local_endpoint(); }
    // Serves until SIGINT or SIGTERM.
    void Run();

    AppBoardService& Service() { return service_; }
    AppBoardMetrics& Metrics() { return metrics_; }
    AppBoardWorkers& Workers() { return workers_; }
    AppRateLimit& RateLimit() { return rateLimit_; }
    const AppBoardServerOptions& Options() const { return options_; }
    std::size_t Connections() const { return connections_; }
    // A session counts itself in at its start and out at its end.
    void Opened() { ++connections_; }
    void Closed() { --connections_; }

private:
    void Accept();

    AppBoardService& service_;
    AppBoardMetrics& metrics_;
    AppBoardServerOptions options_;
    // Before the I/O context, whose end ends the sessions still waiting in it.
    std::atomic<std::size_t> connections_ = 0;
    boost::asio::io_context io_;
    boost::asio::ip::tcp::acceptor acceptor_;
    boost::asio::signal_set signals_;
    AppBoardWorkers workers_;
    AppRateLimit rateLimit_;
};
