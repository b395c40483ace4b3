// Costs of keeping games: recording a step, saving, loading and verifying a long game, file sizes,
// and what keeping a game in play costs the window's thread.
#include "AppGameFile.h"
#include "AppNullFrontEnd.h"
#include "AppPlaySession.h"
#include "AppReplay.h"
#include "AppReplayCheck.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

AppGameRecord CorpusRecord(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::string reason;
    return AppGameFile::ReadRecord(text.str(), reason).value();
}

// The corpus's long game: 11250 steps, half an hour of play at Speed 160, with the bot's
// some 3700 inputs (a busier player than most).
const AppGameRecord& LongGame() {
    static const AppGameRecord record =
        CorpusRecord(ZINGAROO_REPLAY_CORPUS "/06-default-long.replay");
    return record;
}

// A game with nothing drawn and nothing played, and its recorder.
struct Rig {
    Rig() { game.CreateField(); }
    AppRandom random;
    AppGame game{random};
    AppGameRecorder recorder{game, random};
};

// The long game played back on the rig to its last step in play, as if still going on.
void PlayLongGameToItsEnd(Rig& rig) {
    AppGameRecord inPlay = LongGame();
    const std::uint32_t steps = inPlay.end->step;
    inPlay.end.reset();
    AppReplay replay(rig.recorder, inPlay);
    replay.Start();
    while (replay.Steps() < steps && replay.Advance()) {
    }
}

// The long game saved at its last step in play.
std::string LongGameSaved() {
    Rig rig;
    PlayLongGameToItsEnd(rig);
    return AppGameFile::Text(*rig.recorder.Save(30 * 60 * 1000));
}

// The same games stepped on the game itself (0) and through the recorder (1): the
// difference is what recording costs a step.
void BM_RecordedStep(benchmark::State& state) {
    const bool recorded = state.range(0) != 0;
    Rig rig;
    std::uint32_t number = 1;
    const AppPlayOptions options(32, 32, 6, 6, 60, 160, true);
    for (auto _ : state) {
        if (rig.game.State() != stPlaying || rig.game.ball.IsStanding()) {
            state.PauseTiming();
            rig.recorder.New(number++, options);
            rig.recorder.MouseDown(AppMouseButton::Left);
            state.ResumeTiming();
        }
        if (recorded)
            rig.recorder.Step();
        else
            rig.game.Step();
    }
}
BENCHMARK(BM_RecordedStep)->Arg(0)->Arg(1);

void BM_SaveLongGame(benchmark::State& state) {
    Rig rig;
    PlayLongGameToItsEnd(rig);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = AppGameFile::Text(*rig.recorder.Save(30 * 60 * 1000));
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveLongGame)->Unit(benchmark::kMillisecond);

// The session with nothing in front of it, for the autosave's cost.
class Unseen : public AppSessionObserver, public AppStepTimer {
public:
    void GameEnded(const AppFinishedGame&) override {}
    void PauseChanged(bool) override {}
    void RunSteps(bool) override {}
};

// A pause of the long game resumed in a session: what the window's thread spends when the
// game in play is kept (the value made and posted; the writing thread writes it meanwhile).
void BM_AutosaveOnWindowThread(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zingaroo-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "game", std::ios::binary) << LongGameSaved();
    {
        Unseen unseen;
        AppPlaySession session(unseen);
        AppNullFrontEnd none(session.Game());
        session.SetFrontEnd(none, none, unseen);
        session.SetSavedGamePlace(folder.string(), {});
        session.Start();
        if (!session.ResumeSaved())
            state.SkipWithError("the long game was not resumed");
        for (auto _ : state) {
            state.PauseTiming();
            session.SetPaused(false);
            state.ResumeTiming();
            session.SetPaused(true);
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_AutosaveOnWindowThread)->Unit(benchmark::kMicrosecond)->Iterations(200);

// Reading the file and playing the game unseen to its step, with the checks.
void BM_LoadLongGame(benchmark::State& state) {
    const std::string text = LongGameSaved();
    Rig rig;
    for (auto _ : state) {
        std::string reason;
        const std::optional<AppSavedGame> saved = AppGameFile::ReadSaved(text, reason);
        reason = AppReplay::Restore(rig.recorder, *saved);
        if (!reason.empty())
            state.SkipWithError(reason.c_str());
    }
}
BENCHMARK(BM_LoadLongGame)->Unit(benchmark::kMillisecond);

// What --verify does for each file: read it, play it through the rules to its recorded end
// and check the ending; its items per second are the games verified per second.
void BM_VerifyLongGame(benchmark::State& state) {
    for (auto _ : state) {
        const AppReplayVerdict verdict =
            AppReplayCheck::CheckFile(ZINGAROO_REPLAY_CORPUS "/06-default-long.replay");
        if (!verdict.ok)
            state.SkipWithError(verdict.line.c_str());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VerifyLongGame)->Unit(benchmark::kMillisecond);

// Bytes of replay per minute of play at Speed 160: the long game, and the whole corpus
// counted as if played at that speed.
void BM_ReplayBytesPerMinute(benchmark::State& state) {
    double longBytes = 0;
    double corpusBytes = 0;
    double corpusSteps = 0;
    for (auto _ : state) {
        longBytes = static_cast<double>(AppGameFile::Text(LongGame()).size());
        corpusBytes = corpusSteps = 0;
        for (const auto& entry : std::filesystem::directory_iterator(ZINGAROO_REPLAY_CORPUS)) {
            const AppGameRecord record = CorpusRecord(entry.path());
            corpusBytes += static_cast<double>(AppGameFile::Text(record).size());
            corpusSteps += record.end->step;
        }
    }
    const double stepsPerMinute = 60000.0 / 160;
    state.counters["long_game_bytes_per_min"] = longBytes / (LongGame().end->step / stepsPerMinute);
    state.counters["corpus_bytes_per_min"] = corpusBytes / (corpusSteps / stepsPerMinute);
}
BENCHMARK(BM_ReplayBytesPerMinute)->Iterations(1);

} // namespace
