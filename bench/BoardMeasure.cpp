// The game on the board, measured: wake-ups at rest with sending on and an empty outbox, and the
// window's longest stall while the Board page loads 500 lines from a slow board.
#include "AppBoardSender.h"
#include "TBoardDayPage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Voluntary context switches of every thread of this process: each is a sleep ended by an event.
long long WakeUps() {
    long long total = 0;
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream status("/proc/self/task/" + task.toStdString() + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                total += std::stoll(line.substr(line.find(':') + 1));
    }
    return total;
}

// A board on a loopback port, on a thread of its own, that answers one request with a day of
// 500 lines, written in 50 pieces 20 ms apart.
class SlowBoard {
public:
    SlowBoard() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 1);
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~SlowBoard() {
        thread_.join();
        ::close(listener_);
    }
    int Port() const { return port_; }

private:
    void Serve() {
        const int client = ::accept(listener_, nullptr, nullptr);
        char request[4096];
        (void)::read(client, request, sizeof request);
        std::string body = "{\"day\": \"2026-12-09\", \"lines\": [";
        for (int i = 1; i <= 500; ++i)
            body += (i > 1 ? ", " : "") + std::string("{\"rank\": ") + std::to_string(i) +
                    ", \"name\": \"Player number " + std::to_string(i) +
                    "\", \"score\": " + std::to_string(1000 - i) +
                    ", \"phase\": 3, \"steps\": 4000, \"when\": " +
                    "\"2026-12-09T10:00:00Z\", \"id\": " + std::to_string(i) + "}";
        body += "]}\n";
        const std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
                                   "Connection: close\r\nContent-Length: " +
                                   std::to_string(body.size()) + "\r\n\r\n" + body;
        const std::size_t piece = answer.size() / 50 + 1;
        for (std::size_t at = 0; at < answer.size(); at += piece) {
            (void)::write(client, answer.data() + at, std::min(piece, answer.size() - at));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::close(client);
    }

    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir folder;

    {
        AppBoardSender sender((folder.path() + "/outbox").toStdString(),
                              (folder.path() + "/key").toStdString());
        AppBoardOptions options;
        options.Address = "http://127.0.0.1:9";
        options.Send = true;
        sender.SetOptions(options, QStringLiteral("Ann"));
        QTest::qWait(1000);
        const long long before = WakeUps();
        QElapsedTimer clock;
        clock.start();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::printf("board, wake-ups per second at rest with sending on and an empty outbox: "
                    "%.1f\n",
                    // Less the one wake-up that ends the measuring thread's own sleep.
                    double(WakeUps() - before - 1) * 1000.0 / double(clock.elapsed()));
    }

    SlowBoard board;
    TBoardDayPage page;
    page.SetBoard(QStringLiteral("http://127.0.0.1:%1").arg(board.Port()), {});
    auto* status = page.findChild<QLabel*>(QStringLiteral("StatusLabel"));
    // The window's thread ticks every millisecond; the longest gap between ticks is its stall.
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    ticker.start(1);
    page.show();
    QTest::qWait(50);
    for (int i = 0; i < 1000 && status->text().startsWith(QStringLiteral("Fetching")); ++i)
        QTest::qWait(10);
    ticker.stop();
    std::printf("board, the window's longest stall while the Board page loads 500 lines from a "
                "slow board: %.1f ms (%s)\n",
                double(longest) / 1e6,
                qPrintable(status->text().isEmpty() ? "shown" : status->text()));
    return 0;
}
