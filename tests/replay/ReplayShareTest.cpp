// Sharing games: replay files anyone can check, the day's game, the text a game is passed in.
#include "AppGameNumber.h"
#include "AppPlayPresets.h"
#include "AppReplayCheck.h"
#include "ReplayDrive.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <tuple>

namespace {

using namespace std::chrono;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

struct Tampered {
    const char* name;
    std::function<std::string(const std::string&)> make;
    const char* verdict; // what the line says after the file's name
};

TEST(ReplayShare, EveryTamperedReplayFailsToVerifyWithItsReason) {
    const std::string claim =
        "game 7919001, options 24,18,6,6,60,160,1, score 48, phase 2, steps 316, game over: ";
    const Tampered rows[] = {
        {"score edited", [](auto& t) { return Replaced(t, "gameover 48", "gameover 49"); },
         "game 7919001, options 24,18,6,6,60,160,1, score 49, phase 2, steps 316, game over: "
         "ending does not match: the record says game over after 316 steps with 49 pt. in phase "
         "2, the game went game over after 316 steps with 48 pt. in phase 2"},
        {"a key moved", [](auto& t) { return Replaced(t, "key 313 1 17 7", "key 313 1 18 7"); },
         "ending does not match"},
        {"field checksum edited", [](auto& t) { return Replaced(t, "a5d77b98", "a5d77b99"); },
         "checksum does not match: the field at the end differs"},
        {"other rules", [](auto& t) { return Replaced(t, "rules 1", "rules 2"); },
         "other rules version (2; this program plays 1)"},
        {"truncated", [](auto& t) { return t.substr(0, t.size() / 2); }, "damaged: cut short"},
        {"a day of play and a step", [](auto& t) { return Replaced(t, "end 316", "end 8640001"); },
         "damaged: line 56: longer than a day of play (8640001 steps; at most 8640000)"},
    };
    const std::string corpus = FileText(ZINGAROO_REPLAY_CORPUS "/01-default-runs-into.replay");
    for (const Tampered& row : rows) {
        SCOPED_TRACE(row.name);
        const AppReplayVerdict verdict = AppReplayCheck::Check("f", row.make(corpus));
        EXPECT_TRUE(verdict.line.starts_with("f: " + std::string(row.verdict)) ||
                    verdict.line.starts_with("f: " + claim + row.verdict))
            << verdict.line;
        EXPECT_EQ(verdict.ok, verdict.line.ends_with(": ok"));
        EXPECT_EQ(verdict.line.find('\n'), std::string::npos);
    }
    EXPECT_EQ(AppReplayCheck::CheckFile("/nowhere/f").line,
              "/nowhere/f: unreadable: No such file or directory");
    EXPECT_EQ(AppReplayCheck::CheckFile("/nowhere/é\\\n\x1b[2J\xc2\x9b\xff").line,
              "/nowhere/é\\x5c\\x0a\\x1b[2J\\xc2\\x9b\\xff: unreadable: No such file or directory");
}

TEST(ReplayShare, TheDaysNumberIsTheSameForEveryoneThatDayAndDealsTheDefaultOptions) {
    // Worked out apart from the program, by the formula the README gives.
    const std::tuple<const char*, sys_days, std::uint32_t> rows[] = {
        {"1970-01-01", 1970y / January / 1, 1},
        {"2000-02-29", 2000y / February / 29, 470343592},
        {"2026-12-09", 2026y / December / 9, 883292173},
        {"2026-12-10", 2026y / December / 10, 299123111},
        {"2038-01-19", 2038y / January / 19, 69836964},
        {"2100-03-01", 2100y / March / 1, 158778447},
    };
    for (const auto& [date, day, number] : rows)
        EXPECT_EQ(AppGameNumber::ForDay(day), number) << date;
    EXPECT_EQ(AppGameNumber::DayOptions(), AppPlayPresets(1));
}

TEST(ReplayShare, AGameIsADaysGameByItsNumberItsDefaultOptionsAndItsEndOnThatDayOrTheNext) {
    const sys_days december9 = 2026y / December / 9;
    const AppPlayOptions& day = AppGameNumber::DayOptions();
    const std::tuple<const char*, std::uint32_t, AppPlayOptions, sys_seconds,
                     std::optional<sys_days>>
        rows[] = {
            {"ended that day", 883292173, day, december9 + 15h, december9},
            {"crossed midnight", 883292173, day, december9 + 24h + 20min, december9},
            {"ended two days on", 883292173, day, december9 + 48h + 20min, std::nullopt},
            {"next day's, ended before it", 299123111, day, december9 + 23h, std::nullopt},
            {"other options", 883292173, AppPlayPresets(3), december9 + 15h, std::nullopt},
            {"other number", 48213377, day, december9 + 15h, std::nullopt},
        };
    for (const auto& [name, number, options, end, expected] : rows)
        EXPECT_EQ(AppGameNumber::DayOf(number, options, end), expected) << name;
}

TEST(ReplayShare, APastedGameIsItsNumberWithOrWithoutItsOptionsAndNothingElse) {
    const AppPlayOptions practice = AppPlayPresets(3);
    const std::string shared = AppGameNumber::ShareText(48213377, practice);
    EXPECT_EQ(shared, "Zingaroo game 48213377 (options 16,16,1,1,32,240,1)");
    const std::pair<std::string, std::optional<AppSharedGame>> rows[] = {
        {shared, AppSharedGame{48213377, practice}},
        {"\n " + shared + "\r\n", AppSharedGame{48213377, practice}},
        {"zingaroo GAME 999999999", AppSharedGame{999999999, std::nullopt}},
        {" 7919001\t", AppSharedGame{7919001, std::nullopt}},
        {"Zingaroo game 48213377 (options 16,16,1,1,32,240)", std::nullopt},
        {"Zingaroo game 48213377 (options 99,16,1,1,32,240,1)", std::nullopt},
        {"Zingaroo game 12 and more", std::nullopt},
        {"Other game 48213377", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, game] : rows)
        EXPECT_EQ(AppGameNumber::ParseShared(text), game) << text;
}

} // namespace
