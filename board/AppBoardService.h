// What the board answers to each request, whatever carries it: uploads checked and kept, days
// shown.
#pragma once

#include "AppBoardMetrics.h"
#include "AppBoardStore.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

// An answer: its status and body, and the file name a download is saved under.
struct AppBoardResponse {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
    std::string attachment;
};

class AppBoardService {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    static constexpr int defaultLimit = 50;
    static constexpr int maxLimit = 500;
    static constexpr std::size_t maxBody = 64 * 1024;

    // The store and metrics outlive the service; the clock tells the time uploads come in at.
    AppBoardService(AppBoardStore& store, AppBoardMetrics& metrics, Clock clock)
        : store_(store), metrics_(metrics), clock_(std::move(clock)) {}

    // POST /api/v1/games: the headers and the replay file. The game is read, placed in its
    // day, replayed and kept; this takes the time of a replay, so it runs off the I/O threads.
    AppBoardResponse Upload(std::string_view player, std::string_view name, std::string_view body);
    // Any GET: the API's days and games, the pages, /healthz.
    AppBoardResponse Get(std::string_view target);

    // {"error": ERROR, "reason": REASON} with the status.
    static AppBoardResponse Error(int status, std::string_view error, std::string_view reason);

private:
    AppBoardResponse Answer(AppBoardResponse response);
    AppBoardResponse Place(std::string_view player, std::string_view name, std::string_view body);
    AppBoardResponse DayJson(std::string_view day, std::string_view query);
    AppBoardResponse DayPage(std::chrono::sys_days day);
    AppBoardResponse Replay(std::string_view id);

    AppBoardStore& store_;
    AppBoardMetrics& metrics_;
    Clock clock_;
};
