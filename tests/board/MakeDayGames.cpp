// Writes day's games played by the replay bot, for the board's browser test and load figures.
//   zingaroo_make_day_games YYYY-MM-DD COUNT FOLDER [STEPS]
// Each is the day's game (its number, the Default options), played from a seed of its own
// until it runs into an obstacle once past STEPS steps (300 when not given; 11250 is half an
// hour at the Default speed), and written as FOLDER/YYYY-MM-DD-<n>.zingaroo when it is no
// larger than the board takes (64 KiB). Prints one line per game: its path and score.
#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "ReplayBot.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
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

// The bot's game from `seed`, when it lasted past `steps` and ended by game over.
std::optional<AppGameRecord> Play(std::uint32_t number, std::uint64_t seed, std::uint32_t steps) {
    AppRandom random;
    AppGame game(random);
    game.CreateField();
    AppGameRecorder recorder(game, random);
    recorder.New(number, AppGameNumber::DayOptions());
    ReplayBot bot(recorder, seed, {ReplayBot::Ending::runInto, steps, 1, 3});
    while (bot.Play() && recorder.Steps() < steps + 20000) {
    }
    const AppGameRecord& record = recorder.Record();
    if (!record.end || record.end->how != AppGameEnd::gameOver || record.end->step < steps)
        return std::nullopt;
    return record;
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
    const std::uint32_t number = AppGameNumber::ForDay(*day);
    std::uint64_t seed = 0;
    for (int made = 0; made < count;) {
        if (++seed > 100u * static_cast<std::uint64_t>(count)) {
            std::cerr << "the bot lasted past " << steps << " steps too rarely\n";
            return 1;
        }
        const std::optional<AppGameRecord> record =
            Play(number, seed, static_cast<std::uint32_t>(steps));
        if (!record)
            continue;
        const std::string text = AppGameFile::Text(*record);
        if (text.size() > 64 * 1024)
            continue;
        const std::string path =
            std::string(argv[3]) + "/" + argv[1] + "-" + std::to_string(++made) + ".zingaroo";
        std::ofstream(path, std::ios::binary) << text;
        std::cout << path << " " << record->end->score << "\n";
    }
    return 0;
}
