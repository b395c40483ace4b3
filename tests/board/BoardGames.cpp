// Replay files of a day's game for the board's tests, played by the test bot.
#include "BoardGames.h"

#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "ReplayBot.h"

namespace {

// The first of the bot's tries from `seed` on that lasts the steps.
std::string Play(std::uint32_t number, const AppPlayOptions& options, std::uint32_t steps,
                 std::uint64_t seed) {
    for (;; ++seed) {
        AppRandom random;
        AppGame game(random);
        game.CreateField();
        AppGameRecorder recorder(game, random);
        recorder.New(number, options);
        ReplayBot bot(recorder, seed, {ReplayBot::Ending::abandon, steps, 1, 3});
        while (bot.Play()) {
        }
        if (recorder.Record().end->how == AppGameEnd::abandoned)
            return AppGameFile::Text(recorder.Record());
    }
}

// Where the end line's score starts and ends.
std::pair<std::size_t, std::size_t> ScoreField(const std::string& file) {
    const std::size_t line = file.rfind("\nend ") + 1;
    std::size_t at = line;
    for (int field = 0; field < 3; ++field)
        at = file.find(' ', at) + 1;
    return {at, file.find(' ', at)};
}

} // namespace

std::string DayGame(std::chrono::sys_days day, std::uint32_t steps, std::uint64_t seed) {
    return Play(AppGameNumber::ForDay(day), AppGameNumber::DayOptions(), steps, seed);
}

std::string DayGame(std::chrono::sys_days day, std::uint32_t steps, const AppPlayOptions& options) {
    return Play(AppGameNumber::ForDay(day), options, steps, 1);
}

int ClaimedScore(const std::string& file) {
    const auto [from, to] = ScoreField(file);
    return std::stoi(file.substr(from, to - from));
}

std::string WithScoreEdited(const std::string& file) {
    const auto [from, to] = ScoreField(file);
    return file.substr(0, from) + std::to_string(ClaimedScore(file) + 1) + file.substr(to);
}
