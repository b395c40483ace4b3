// Uploads to the board, against each store: what is kept and ranked, and each refusal's reason.
#include "AppBoardService.h"
#include "AppBoardStoreFactory.h"
#include "AppPlayPresets.h"
#include "BoardGames.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace std::chrono;

constexpr sys_days december9 = 2026y / December / 9;

struct Upload {
    const char* what;
    std::string file;
    const char* player;
    const char* name;
    sys_seconds at;
    int status;
    // The answer's body starts with it.
    std::string answer;
    // The lines of 2026-12-09 read after it, in its JSON and on its page.
    std::size_t lines;
};

std::size_t Occurrences(const std::string& text, std::string_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != text.npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// The store is named by the parameter: "sqlite" in a fresh folder, or "postgresql" at the URL
// ZINGAROO_TEST_PG_URL gives (skipped without it).
class BoardUpload : public testing::TestWithParam<std::string> {
protected:
    std::string Db() {
        if (GetParam() == "sqlite")
            return "sqlite:" + folder_.File("board.db");
        const char* url = std::getenv("ZINGAROO_TEST_PG_URL");
        return url ? url : "";
    }

    TempFolder folder_;
};

TEST_P(BoardUpload, EachUploadIsKeptAndRankedOrRefusedWithItsCodeAndReason) {
    const std::string db = Db();
    if (db.empty())
        GTEST_SKIP() << "ZINGAROO_TEST_PG_URL is not set";
    std::string reason;
    const std::unique_ptr<AppBoardStore> store = AppBoardStoreFactory::Open(db, reason);
    ASSERT_TRUE(store) << reason;
    store->Migrate();

    // Games the bot left further on score more; the tie is another try at the better score.
    const std::string first = DayGame(december9, 300);
    const std::string better = DayGame(december9, 600, 8);
    const std::string worse = DayGame(december9, 150);
    const std::string tie = DayGame(december9, 600, 10);
    ASSERT_LT(ClaimedScore(worse), ClaimedScore(first));
    ASSERT_LT(ClaimedScore(first), ClaimedScore(better));
    ASSERT_EQ(ClaimedScore(tie), ClaimedScore(better));
    ASSERT_NE(tie, better);
    const std::string score = std::to_string(ClaimedScore(better));
    const sys_seconds noon = december9 + 12h;
    const char* ann = "0123456789abcdef0123456789abcdef";
    const char* bob = "FEDCBA9876543210FEDCBA9876543210";

    const Upload rows[] = {
        {"a day's game accepted and ranked", first, ann, "Ann", noon, 201,
         "{\"day\": \"2026-12-09\", \"rank\": 1, \"of\": 1, \"score\": " +
             std::to_string(ClaimedScore(first)),
         1},
        {"a repeat, from anyone, repeats the first answer", first, bob, "Bob", noon + 1min, 200,
         "{\"day\": \"2026-12-09\", \"rank\": 1, \"of\": 1, \"score\": " +
             std::to_string(ClaimedScore(first)) + ", \"phase\": 1, \"id\": 1}",
         1},
        {"a better game of one player", better, ann, "Ann B", noon + 2min, 201,
         "{\"day\": \"2026-12-09\", \"rank\": 1, \"of\": 1, \"score\": " + score, 1},
        {"a worse game of that player keeps the better", worse, ann, "<script>x</script>",
         noon + 3min, 201, "{\"day\": \"2026-12-09\", \"rank\": 1, \"of\": 1", 1},
        {"a tie shares the rank", tie, bob, "Bob", noon + 4min, 201,
         "{\"day\": \"2026-12-09\", \"rank\": 1, \"of\": 2, \"score\": " + score, 2},
        {"an edited score", WithScoreEdited(better), bob, "Bob", noon, 422,
         "{\"error\": \"does not verify\", \"reason\": \"ending does not match: ", 2},
        {"a truncated file", first.substr(0, first.size() / 2), bob, "Bob", noon, 400,
         "{\"error\": \"damaged\", \"reason\": \"damaged: cut short", 2},
        {"other rules", std::string(first).replace(first.find("rules 1"), 7, "rules 2"), bob, "Bob",
         noon, 422,
         "{\"error\": \"does not verify\", \"reason\": \"other rules version (2; this program "
         "plays 1)\"}",
         2},
        {"the day's number under other options", DayGame(december9, 300, AppPlayPresets(2)), bob,
         "Bob", noon, 409,
         "{\"error\": \"not a day's game\", \"reason\": \"game 883292173 with these options is "
         "the game of neither 2026-12-09 nor 2026-12-08\"}",
         2},
        {"the day before's game after midnight", DayGame(december9 - days(1), 300), bob, "Bob",
         noon, 201, "{\"day\": \"2026-12-08\", \"rank\": 1, \"of\": 1", 2},
        {"a closed day", DayGame(december9 - days(2), 300), bob, "Bob", noon, 409,
         "{\"error\": \"closed\", \"reason\": \"the day 2026-12-07 closed at "
         "2026-12-09T00:00:00Z\"}",
         2},
    };
    AppBoardMetrics metrics;
    sys_seconds now;
    AppBoardService service(*store, metrics, [&now] { return now; });
    for (const Upload& row : rows) {
        SCOPED_TRACE(row.what);
        now = row.at;
        const AppBoardResponse response = service.Upload(row.player, row.name, row.file);
        EXPECT_EQ(response.status, row.status) << response.body;
        EXPECT_TRUE(response.body.starts_with(row.answer)) << response.body;
        // Read after each upload: what a commit changed is read at once, never an older copy.
        EXPECT_EQ(Occurrences(service.Get("/api/v1/days/2026-12-09?limit=5")->body, "\"rank\""),
                  row.lines);
        EXPECT_EQ(Occurrences(service.Get("/days/2026-12-09")->body, "<tr><td"), row.lines);
    }
    EXPECT_NE(service.Get("/days/2026-12-09")->body.find("href=\"/days/2026-12-08\""),
              std::string::npos);
    // Checked by replay: the five kept games, the edited one and the one of other rules; the
    // repeat was answered from the store unplayed.
    EXPECT_NE(metrics.Text(0, 0).find("\nzingaroo_board_replay_seconds_count 7\n"),
              std::string::npos);

    // Ann's better game, under the name she sent last, before Bob's equal later one; her first
    // and worse games are kept but not listed.
    const std::string lines =
        "{\"day\": \"2026-12-09\", \"lines\": [{\"rank\": 1, \"name\": "
        "\"<script>x</script>\", \"score\": " +
        score + ", \"phase\": 3, \"steps\": 600, \"when\": \"2026-12-09T12:02:00Z\", \"id\": 2}, " +
        "{\"rank\": 1, \"name\": \"Bob\", \"score\": " + score +
        ", \"phase\": 2, \"steps\": 600, \"when\": \"2026-12-09T12:04:00Z\", \"id\": 4}]}\n";
    EXPECT_EQ(service.Get("/api/v1/days/2026-12-09?limit=5")->body, lines);
    EXPECT_EQ(service.Get("/api/v1/games/2.zingaroo")->body, better);
    EXPECT_EQ(service.Get("/api/v1/days/2026-12-09?limit=1")->body.find("Bob"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Stores, BoardUpload, testing::Values("sqlite", "postgresql"));

} // namespace
