// What the board answers to each request, whatever carries it: uploads checked and kept, days
// shown.
#include "AppBoardService.h"

#include "AppBoardPage.h"
#include "AppBoardText.h"
#include "AppSha256.h"

#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "AppReplayCheck.h"

#include <cctype>

namespace {

using namespace std::chrono;

// How far back a number is looked for among the days' numbers, to tell a closed day's game
// from one of no day.
constexpr days closedDaysKept{3660};

// The verdict's words after the file's name and, when the record could be read, after its
// claim: the reason alone.
std::string VerdictReason(const std::string& line, std::string_view name, bool damaged) {
    std::string reason = line.substr(name.size() + 2);
    if (!damaged)
        reason = reason.substr(reason.find(": ") + 2);
    return reason;
}

// Written piece by piece: GCC 12 at -O3 takes the joined temporaries for overlapping copies.
std::string Field(std::string_view key, std::int64_t value) {
    std::string field = "\"";
    field += key;
    field += "\": ";
    field += std::to_string(value);
    return field;
}

} // namespace

AppBoardResponse AppBoardService::Error(int status, std::string_view error,
                                        std::string_view reason) {
    AppBoardResponse response;
    response.status = status;
    response.body = "{\"error\": " + AppBoardText::Json(error) +
                    ", \"reason\": " + AppBoardText::Json(reason) + "}\n";
    return response;
}

AppBoardResponse AppBoardService::Answer(AppBoardResponse response) {
    metrics_.Answered(response.status);
    return response;
}

AppBoardResponse AppBoardService::Upload(std::string_view player, std::string_view name,
                                         std::string_view body) {
    try {
        return Answer(Place(player, name, body));
    } catch (const AppBoardStoreError& error) {
        return Answer(
            Error(503, "unavailable", std::string("the database failed: ") + error.what()));
    }
}

AppBoardResponse AppBoardService::Place(std::string_view player, std::string_view name,
                                        std::string_view body) {
    if (!AppBoardText::PlayerKey(player))
        return Error(400, "bad request", "X-Zingaroo-Player must be 32 hex digits");
    std::string why;
    const std::optional<std::string> shown = AppBoardText::Name(name, why);
    if (!shown)
        return Error(400, "bad request", "X-Zingaroo-Name: " + why);
    if (body.size() > maxBody)
        return Error(413, "too large", "a game file has at most 65536 bytes");

    // The record is read first, so that a game of no open day costs no replay.
    constexpr std::string_view fileName = "upload";
    std::string damage;
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(body, damage);
    if (!record) {
        const AppReplayVerdict verdict = AppReplayCheck::Check(fileName, body);
        const std::string reason = VerdictReason(verdict.line, fileName, true);
        // A record over the program's bound on steps is whole but refused before it is played:
        // a game that does not verify rather than a damaged file.
        if (reason.find(AppGameFile::overLongReason) != std::string::npos)
            return Error(422, "does not verify", reason);
        return Error(400, "damaged", reason);
    }
    const system_clock::time_point now = clock_();
    const sys_days today = floor<days>(now);
    const std::optional<sys_days> day =
        AppGameNumber::DayOf(record->number, record->options, floor<seconds>(now));
    if (!day) {
        if (record->options == AppGameNumber::DayOptions())
            for (sys_days past = today - days(2); past > today - closedDaysKept; --past)
                if (AppGameNumber::ForDay(past) == record->number)
                    return Error(409, "closed",
                                 "the day " + AppBoardText::Day(past) + " closed at " +
                                     AppBoardText::Day(past + days(2)) + "T00:00:00Z");
        return Error(409, "not a day's game",
                     "game " + std::to_string(record->number) +
                         " with these options is the game of neither " + AppBoardText::Day(today) +
                         " nor " + AppBoardText::Day(today - days(1)));
    }

    const steady_clock::time_point started = steady_clock::now();
    const AppReplayVerdict verdict = AppReplayCheck::Check(fileName, body);
    metrics_.Replayed(steady_clock::now() - started);
    if (!verdict.ok)
        return Error(422, "does not verify", VerdictReason(verdict.line, fileName, false));

    AppBoardGame game;
    game.sha256 = AppSha256::Hex(body);
    std::string key(player);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    game.playerHash = AppSha256::Hex(key);
    game.name = *shown;
    game.day = AppBoardText::Day(*day);
    game.score = record->end->score;
    game.phase = record->end->phase;
    game.steps = record->end->step;
    game.received = duration_cast<milliseconds>(now.time_since_epoch()).count();
    game.replay = std::string(body);
    const AppBoardPlacing placing = store_.Put(game);

    AppBoardResponse response;
    response.status = placing.repeat ? 200 : 201;
    response.body = "{\"day\": " + AppBoardText::Json(placing.day) + ", " +
                    Field("rank", placing.rank) + ", " + Field("of", placing.of) + ", " +
                    Field("score", placing.score) + ", " + Field("phase", placing.phase) + ", " +
                    Field("id", placing.id) + "}\n";
    return response;
}

AppBoardResponse AppBoardService::Get(std::string_view target) {
    const std::size_t queryAt = target.find('?');
    const std::string_view path = target.substr(0, queryAt);
    const std::string_view query =
        queryAt == target.npos ? std::string_view() : target.substr(queryAt + 1);
    constexpr std::string_view dayApi = "/api/v1/days/", gameApi = "/api/v1/games/",
                               dayPage = "/days/";
    try {
        if (path == "/")
            return DayPage(floor<days>(clock_()));
        if (path == "/healthz") {
            store_.DaysBefore("0000-00-00", 1);
            return {200, "text/plain; charset=utf-8", "ok\n", {}};
        }
        if (path.starts_with(dayApi))
            return DayJson(path.substr(dayApi.size()), query);
        if (path.starts_with(gameApi))
            return Replay(path.substr(gameApi.size()));
        if (path.starts_with(dayPage))
            if (const auto day = AppBoardText::ParseDay(path.substr(dayPage.size())))
                return DayPage(*day);
    } catch (const AppBoardStoreError& error) {
        return Error(503, "unavailable", std::string("the database failed: ") + error.what());
    }
    return Error(404, "not found", "nothing is at " + std::string(path));
}

AppBoardResponse AppBoardService::DayJson(std::string_view dayText, std::string_view query) {
    const std::optional<sys_days> day = AppBoardText::ParseDay(dayText);
    if (!day)
        return Error(404, "not found", "not a day: " + std::string(dayText));
    std::int64_t limit = defaultLimit;
    while (!query.empty()) {
        const std::string_view item = query.substr(0, query.find('&'));
        query.remove_prefix(std::min(query.size(), item.size() + 1));
        if (!item.starts_with("limit="))
            continue;
        const auto given = AppBoardText::Number(item.substr(6), 1, 1'000'000'000);
        if (!given)
            return Error(400, "bad request", "limit must be a whole number from 1");
        limit = std::min<std::int64_t>(*given, maxLimit);
    }
    std::string body = "{\"day\": " + AppBoardText::Json(dayText) + ", \"lines\": [";
    const char* separator = "";
    for (const AppBoardLine& line : store_.Day(dayText, static_cast<int>(limit))) {
        body += std::string(separator) + "{" + Field("rank", line.rank) +
                ", \"name\": " + AppBoardText::Json(line.name) + ", " + Field("score", line.score) +
                ", " + Field("phase", line.phase) + ", " + Field("steps", line.steps) +
                ", \"when\": " + AppBoardText::Json(AppBoardText::Time(line.received)) + ", " +
                Field("id", line.id) + "}";
        separator = ", ";
    }
    return {200, "application/json", body + "]}\n", {}};
}

AppBoardResponse AppBoardService::DayPage(sys_days day) {
    const std::string text = AppBoardText::Day(day);
    return {200,
            "text/html; charset=utf-8",
            AppBoardPage::Html(text, store_.Day(text, maxLimit), store_.DaysBefore(text, 14)),
            {}};
}

AppBoardResponse AppBoardService::Replay(std::string_view file) {
    constexpr std::string_view extension = ".zingaroo";
    const auto id = file.ends_with(extension)
                        ? AppBoardText::Number(file.substr(0, file.size() - extension.size()), 1,
                                               INT64_MAX / 10)
                        : std::nullopt;
    const std::optional<std::string> replay = id ? store_.Replay(*id) : std::nullopt;
    if (!replay)
        return Error(404, "not found", "no game " + std::string(file));
    return {200, "application/x-zingaroo-replay", *replay,
            "board-game-" + std::to_string(*id) + std::string(extension)};
}
