// Uploads day's games to a running board and reports how many it accepts a second.
//   zingaroo_board_uploads HOST PORT CONNECTIONS FOLDER
// Every *.zingaroo file in FOLDER is sent once, each under a player key of its own, over
// CONNECTIONS keep-alive connections (a thread each) that take the next file as soon as the
// last one is answered. A 503 (the replay queue full) sends the same file again a moment
// later, so the figure is what the board takes when it is kept busy. Prints the games
// accepted a second, the answers by code, and the upload's time to its answer, p50 and p99.
#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace beast = boost::beast;
namespace http = beast::http;
using tcp = boost::asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

struct Tally {
    std::mutex mutex;
    std::map<unsigned, long> answers;
    std::vector<double> millis;
};

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Upload(const std::string& host, const std::string& port,
            const std::vector<std::filesystem::path>& files, std::atomic<std::size_t>& next,
            Tally& tally) {
    boost::asio::io_context io;
    tcp::resolver resolver(io);
    beast::tcp_stream stream(io);
    stream.connect(resolver.resolve(host, port));
    beast::flat_buffer buffer;
    for (std::size_t i = next++; i < files.size(); i = next++) {
        http::request<http::string_body> request(http::verb::post, "/api/v1/games", 11);
        request.set(http::field::host, host);
        request.set(http::field::content_type, "application/x-zingaroo-replay");
        char key[33];
        std::snprintf(key, sizeof key, "%032zx", i + 1);
        request.set("X-Zingaroo-Player", key);
        request.set("X-Zingaroo-Name", "Load%20" + std::to_string(i + 1));
        request.body() = Read(files[i]);
        request.prepare_payload();
        for (;;) {
            const Clock::time_point sent = Clock::now();
            http::write(stream, request);
            http::response<http::string_body> response;
            http::read(stream, buffer, response);
            const double millis =
                std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
            {
                std::lock_guard lock(tally.mutex);
                ++tally.answers[response.result_int()];
                tally.millis.push_back(millis);
            }
            if (!response.keep_alive()) {
                stream.close();
                stream.connect(resolver.resolve(host, port));
            }
            if (response.result() != http::status::service_unavailable)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 || std::atoi(argv[3]) < 1) {
        std::cerr << "usage: zingaroo_board_uploads HOST PORT CONNECTIONS FOLDER\n";
        return 2;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argv[4]))
        if (entry.path().extension() == ".zingaroo")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    Tally tally;
    std::atomic<std::size_t> next = 0;
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < std::atoi(argv[3]); ++c)
        threads.emplace_back([&] {
            try {
                Upload(argv[1], argv[2], files, next, tally);
            } catch (const std::exception& error) {
                std::cerr << "zingaroo_board_uploads: " << error.what() << "\n";
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    std::ostringstream answers;
    for (const auto& [code, count] : tally.answers)
        answers << " " << code << ": " << count;
    const long accepted = tally.answers[201];
    std::printf("%zu files in %.2f s: %.0f accepted a second;%s; answer p50 %.2f ms, p99 %.2f ms\n",
                files.size(), seconds, accepted / seconds, answers.str().c_str(),
                Percentile(tally.millis, 0.5), Percentile(tally.millis, 0.99));
    return accepted == static_cast<long>(files.size()) ? 0 : 1;
}
