// zingaroo-board: the day's board, a server that ranks only the games it has replayed itself.
#include "AppBoardServer.h"
#include "AppBoardService.h"
#include "AppBoardStoreFactory.h"
#include "AppBoardText.h"

#include <boost/system/system_error.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sys/resource.h>
#include <thread>

namespace {

constexpr const char* usage =
    "Usage: zingaroo-board [OPTION]...\n"
    "Serves the day's board: uploaded games are replayed, ranked and shown.\n"
    "\n"
    "  --listen ADDR:PORT          listen there (default 127.0.0.1:8427; [::1]:PORT for IPv6)\n"
    "  --db sqlite:PATH            keep the games in an SQLite file\n"
    "                              (default $STATE_DIRECTORY/board.db, else ./board.db)\n"
    "  --db postgresql://...       keep them in a PostgreSQL database\n"
    "  --workers N                 threads replaying uploads (default: the processors)\n"
    "  --queue N                   uploads waiting for a replay before 503 (default 256)\n"
    "  --max-connections N         open connections at most (default 4096)\n"
    "  --uploads-per-minute N      per client address, 0 for no limit (default 30); behind\n"
    "                              a proxy on this machine, its X-Forwarded-For address\n"
    "  --now YYYY-MM-DDTHH:MM:SSZ  start the clock at that time (for tests)\n"
    "  --help                      show this and exit\n";

struct Arguments {
    std::string db = AppBoardStoreFactory::DefaultDb();
    AppBoardServerOptions server;
    std::optional<std::chrono::sys_seconds> now;
};

std::optional<boost::asio::ip::tcp::endpoint> Endpoint(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == text.npos)
        return std::nullopt;
    std::string_view host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const auto port = AppBoardText::Number(text.substr(colon + 1), 0, 65535);
    boost::system::error_code error;
    const auto address = boost::asio::ip::make_address(std::string(host), error);
    if (!port || error)
        return std::nullopt;
    return boost::asio::ip::tcp::endpoint(address, static_cast<unsigned short>(*port));
}

// The arguments, or nothing after saying what is wrong.
std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments arguments;
    arguments.server.workers = std::max(1u, std::thread::hardware_concurrency());
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::cout << usage;
            std::exit(0);
        }
        if (i + 1 == argc) {
            std::cerr << "zingaroo-board: unknown option or missing value: " << option << "\n"
                      << usage;
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        const auto count = AppBoardText::Number(value, 1, 1'000'000);
        bool good = true;
        if (option == "--listen") {
            const auto endpoint = Endpoint(value);
            good = endpoint.has_value();
            if (good)
                arguments.server.listen = *endpoint;
        } else if (option == "--db") {
            arguments.db = value;
        } else if (option == "--workers" && count && *count <= 256) {
            arguments.server.workers = static_cast<unsigned>(*count);
        } else if (option == "--queue" && count) {
            arguments.server.queueLimit = static_cast<std::size_t>(*count);
        } else if (option == "--max-connections" && count) {
            arguments.server.maxConnections = static_cast<std::size_t>(*count);
        } else if (option == "--uploads-per-minute" && (count || value == "0")) {
            arguments.server.uploadsPerMinute = count ? static_cast<int>(*count) : 0;
        } else if (option == "--now") {
            arguments.now = AppBoardText::ParseTime(value);
            good = arguments.now.has_value();
        } else {
            good = false;
        }
        if (!good) {
            std::cerr << "zingaroo-board: bad " << option << ": " << value << "\n" << usage;
            return std::nullopt;
        }
    }
    return arguments;
}

// Each connection takes a descriptor: the soft limit is raised as far as the hard one allows.
void RaiseDescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = Parse(argc, argv);
    if (!arguments)
        return 2;
    std::string reason;
    const std::unique_ptr<AppBoardStore> store = AppBoardStoreFactory::Open(arguments->db, reason);
    if (!store) {
        std::cerr << "zingaroo-board: " << reason << "\n";
        return 1;
    }
    try {
        store->Migrate();
    } catch (const AppBoardStoreError& error) {
        std::cerr << "zingaroo-board: " << arguments->db << ": " << error.what() << "\n";
        return 1;
    }
    AppBoardService::Clock clock = [] { return std::chrono::system_clock::now(); };
    if (arguments->now) {
        // The clock runs from the given time on, so that uploads still come in one after another.
        const auto offset = *arguments->now - std::chrono::system_clock::now();
        clock = [offset] { return std::chrono::system_clock::now() + offset; };
    }
    RaiseDescriptorLimit();
    AppBoardMetrics metrics;
    AppBoardService service(*store, metrics, clock);
    try {
        AppBoardServer server(service, metrics, arguments->server);
        const auto endpoint = server.Endpoint();
        // The line a test or script waits for; with port 0 it tells the port taken.
        std::cout << "zingaroo-board: listening on " << endpoint << std::endl;
        server.Run();
    } catch (const boost::system::system_error& error) {
        std::cerr << "zingaroo-board: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
