// What the board answers to each request, whatever carries it: uploads checked and kept, days
// shown.
#pragma once

#include "AppBoardDayCache.h"
#include "AppBoardMetrics.h"
#include "AppBoardResponse.h"
#include "AppBoardStore.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

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
    // Any GET: the API's days and games, the pages, /healthz. A day's answer is shared with
    // the other readers of that day, and written out from where it is kept.
    std::shared_ptr<const AppBoardResponse> Get(std::string_view target);

    // {"error": ERROR, "reason": REASON} with the status.
    static AppBoardResponse Error(int status, std::string_view error, std::string_view reason);

private:
    AppBoardResponse Answer(AppBoardResponse response);
    AppBoardResponse Place(std::string_view player, std::string_view name, std::string_view body);
    static AppBoardResponse Placed(const AppBoardPlacing& placing);
    std::shared_ptr<const AppBoardResponse> DayJson(std::string_view day, std::string_view query);
    std::shared_ptr<const AppBoardResponse> DayPage(std::chrono::sys_days day);
    // The answer kept under `key` while the board has not changed, else made and kept.
    std::shared_ptr<const AppBoardResponse> Cached(const std::string& key,
                                                   const std::function<AppBoardResponse()>& make);
    AppBoardResponse Replay(std::string_view id);

    AppBoardStore& store_;
    AppBoardMetrics& metrics_;
    Clock clock_;
    AppBoardDayCache days_;
};
