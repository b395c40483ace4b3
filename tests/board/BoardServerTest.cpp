// The board's server as a process: killed during uploads, and sent bad or idle connections.
#include "BoardServer.h"
#include "BoardGames.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono;

constexpr sys_days december9 = 2026y / December / 9;
const std::vector<std::string> atNoon = {"--now", "2026-12-09T12:00:00Z", "--uploads-per-minute",
                                         "0"};

std::string PlayerKey(int i) {
    char key[33];
    std::snprintf(key, sizeof key, "%032x", i + 1);
    return key;
}

TEST(BoardServer, EveryUploadAnsweredBeforeAKillIsKeptOnceAfterTheRestart) {
    TempFolder folder;
    const std::string db = "sqlite:" + folder.File("board.db");
    std::vector<std::string> games;
    for (std::uint32_t steps = 100; steps < 220; ++steps)
        games.push_back(DayGame(december9, steps));

    // Four clients upload games of players of their own until the server is gone.
    std::map<int, std::string> kept; // game index to its id
    std::mutex mutex;
    std::atomic<int> answered = 0;
    {
        BoardServer server(db, atNoon);
        std::vector<std::thread> clients;
        for (int client = 0; client < 4; ++client)
            clients.emplace_back([&, client] {
                for (std::size_t i = client; i < games.size(); i += 4) {
                    const BoardAnswer answer = server.Upload(PlayerKey(int(i)), "P", games[i]);
                    if (answer.status == 0)
                        return;
                    ASSERT_EQ(answer.status, 201) << answer.text;
                    const std::string body = answer.Body();
                    const std::lock_guard lock(mutex);
                    kept[int(i)] = body.substr(body.find("\"id\": ") + 6);
                    kept[int(i)].erase(kept[int(i)].find('}'));
                    ++answered;
                }
            });
        for (const auto until = steady_clock::now() + 60s;
             answered < 30 && steady_clock::now() < until;)
            std::this_thread::sleep_for(1ms);
        server.KillHard();
        for (std::thread& thread : clients)
            thread.join();
    }
    ASSERT_LT(kept.size(), games.size()) << "the server was killed after the last upload";

    BoardServer server(db, atNoon);
    const std::string lines = server
                                  .Exchange("GET /api/v1/days/2026-12-09?limit=500 HTTP/1.1\r\n"
                                            "Connection: close\r\n\r\n")
                                  .Body();
    for (const auto& [index, id] : kept) {
        SCOPED_TRACE("game " + std::to_string(index) + ", id " + id);
        const std::string line = "\"id\": " + id + "}";
        EXPECT_NE(lines.find(line), std::string::npos);
        EXPECT_EQ(lines.find(line), lines.rfind(line));
        EXPECT_EQ(server.Exchange("GET /api/v1/games/" + id + ".zingaroo HTTP/1.1\r\n\r\n").Body(),
                  games[index]);
        const BoardAnswer again = server.Upload(PlayerKey(index), "P", games[index]);
        EXPECT_EQ(again.status, 200);
        EXPECT_NE(again.Body().find("\"id\": " + id + "}"), std::string::npos) << again.text;
    }
}

struct BadRequest {
    const char* what;
    std::string request;
    int status;
    bool halfClose = false;
};

std::string Post(const std::string& headers, const std::string& body) {
    return "POST /api/v1/games HTTP/1.1\r\nHost: b\r\n" + headers +
           "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(BoardServer, BadRequestsGetTheirCodeWhileIdleConnectionsWaitAndOthersAreServed) {
    TempFolder folder;
    BoardServer server("sqlite:" + folder.File("board.db"), atNoon);
    const std::string game = DayGame(december9, 120);
    const std::string player = "X-Zingaroo-Player: " + PlayerKey(1) + "\r\n";
    const BadRequest rows[] = {
        {"junk", "\x16\x03\x01\x02\x00 hello\r\n\r\n", 400},
        {"no version", "GET /\r\n\r\n", 400},
        {"a NUL in a header", std::string("GET / HTTP/1.1\r\nX: a\0b\r\n\r\n", 26), 400},
        {"a header over 8 KiB", "GET / HTTP/1.1\r\nX-Pad: " + std::string(9000, 'a') + "\r\n\r\n",
         431},
        {"a target over 8 KiB", "GET /" + std::string(9000, 'a') + " HTTP/1.1\r\n\r\n", 431},
        {"a body over 64 KiB, announced and not sent",
         "POST /api/v1/games HTTP/1.1\r\nContent-Length: 1000000\r\n\r\n", 413},
        {"a chunked body over 64 KiB",
         "POST /api/v1/games HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n11170\r\n" +
             std::string(70000, 'a') + "\r\n0\r\n\r\n",
         413},
        {"a length that is no number", "POST /api/v1/games HTTP/1.1\r\nContent-Length: x\r\n\r\n",
         400},
        {"a body cut short", "POST /api/v1/games HTTP/1.1\r\nContent-Length: 100\r\n\r\nzingaroo",
         400, true},
        {"a path out of the API", "GET /api/v1/games/../x HTTP/1.1\r\n\r\n", 404},
        {"a day that is no date", "GET /api/v1/days/2026-02-30 HTTP/1.1\r\n\r\n", 404},
        {"a limit that is no number", "GET /api/v1/days/2026-12-09?limit=-1 HTTP/1.1\r\n\r\n", 400},
        {"another method", "DELETE / HTTP/1.1\r\n\r\n", 405},
        {"no player key", Post("X-Zingaroo-Name: Ann\r\n", game), 400},
        {"a player key too short", Post("X-Zingaroo-Player: 0123\r\nX-Zingaroo-Name: A\r\n", game),
         400},
        {"a name of blanks", Post(player + "X-Zingaroo-Name: %20%20\r\n", game), 400},
        {"a name of 25 characters",
         Post(player + "X-Zingaroo-Name: " + std::string(25, 'n') + "\r\n", game), 400},
        {"a name turning the text around", Post(player + "X-Zingaroo-Name: a%E2%80%AEb\r\n", game),
         400},
        {"a name with a line feed", Post(player + "X-Zingaroo-Name: a%0Ab\r\n", game), 400},
        {"a name not UTF-8", Post(player + "X-Zingaroo-Name: %C3%28\r\n", game), 400},
        {"a name badly encoded", Post(player + "X-Zingaroo-Name: 100%\r\n", game), 400},
        {"an empty file", Post(player + "X-Zingaroo-Name: Ann\r\n", ""), 400},
    };
    // A thousand idle connections, a third of them having sent a byte of a request, held open
    // throughout; this process may need more descriptors than it is given by default.
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
    std::vector<int> held;
    for (int i = 0; i < 1000; ++i)
        held.push_back(server.Connect());
    for (int i = 0; i < 1000; i += 3)
        ::send(held[i], "G", 1, MSG_NOSIGNAL);
    for (const BadRequest& row : rows) {
        SCOPED_TRACE(row.what);
        const BoardAnswer answer = server.Exchange(row.request, row.halfClose);
        EXPECT_EQ(answer.status, row.status) << answer.text;
        EXPECT_TRUE(answer.Body().starts_with("{\"error\": \"")) << answer.text;
    }
    const steady_clock::time_point asked = steady_clock::now();
    EXPECT_EQ(server.Upload(PlayerKey(1), "Ann%20%E2%9C%93", game).status, 201);
    EXPECT_EQ(server.Exchange("GET /healthz HTTP/1.1\r\n\r\n").status, 200);
    EXPECT_LT(steady_clock::now() - asked, 2s);
    for (const int fd : held)
        EXPECT_GE(fd, 0);
    for (const int fd : held)
        ::close(fd);
}

} // namespace
