// Today's game played by the test bot to game over: a record any board can replay.
#include "TodaysGame.h"

#include "AppGameNumber.h"
#include "AppGameRecorder.h"
#include "ReplayBot.h"

std::optional<AppGameRecord> PlayTodaysGame() {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        AppRandom random;
        AppGame played(random);
        played.CreateField();
        AppGameRecorder recorder(played, random);
        recorder.New(AppGameNumber::Today(), AppGameNumber::DayOptions());
        ReplayBot bot(recorder, seed, {ReplayBot::Ending::runInto, 300, 1, 0});
        while (bot.Play() && recorder.Steps() < 100000) {
        }
        const AppGameRecord& record = recorder.Record();
        if (record.end && record.end->how == AppGameEnd::gameOver)
            return record;
    }
    return std::nullopt;
}
