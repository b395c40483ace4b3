// Writes day's games played by the test bot, for the board's browser test and load figures.
//   zingaroo_make_day_games YYYY-MM-DD COUNT FOLDER [STEPS]
// Each is the day's game left after STEPS steps (300 when not given; 11250 is half an hour at
// the Default speed), a different one each, written as FOLDER/YYYY-MM-DD-<n>.zingaroo when it
// is no larger than the board takes (64 KiB). Prints one line per game: its path and score.
#include "BoardGames.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>

namespace {

std::optional<std::chrono::sys_days> ParseDay(const std::string& text) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &end) != 3)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    if (!date.ok())
        return std::nullopt;
    return std::chrono::sys_days(date);
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<std::chrono::sys_days> day = argc >= 4 ? ParseDay(argv[1]) : std::nullopt;
    const int count = argc >= 4 ? std::atoi(argv[2]) : 0;
    const long steps = argc == 5 ? std::atol(argv[4]) : 300;
    if (!day || count < 1 || steps < 1 || argc > 5) {
        std::cerr << "usage: zingaroo_make_day_games YYYY-MM-DD COUNT FOLDER [STEPS]\n";
        return 2;
    }
    // A seed whose tries fail goes on to the next seed's game, so games are told apart by
    // their text.
    std::set<std::string> made;
    for (std::uint64_t seed = 1; static_cast<int>(made.size()) < count; ++seed) {
        if (seed > 100u * static_cast<std::uint64_t>(count)) {
            std::cerr << "the bot's games were too large or the same too often\n";
            return 1;
        }
        const std::string game = DayGame(*day, static_cast<std::uint32_t>(steps), seed);
        if (game.size() > 64 * 1024 || !made.insert(game).second)
            continue;
        const std::string path =
            std::string(argv[3]) + "/" + argv[1] + "-" + std::to_string(made.size()) + ".zingaroo";
        std::ofstream(path, std::ios::binary) << game;
        std::cout << path << " " << ClaimedScore(game) << "\n";
    }
    return 0;
}
