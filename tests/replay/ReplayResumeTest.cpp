// A game saved at any point and resumed in a fresh process goes on exactly as if never stopped.
#include "AppGameFile.h"
#include "AppReplay.h"
#include "ReplayDrive.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return std::string(text) + "\n";
}

// What the child prints: its output, and its exit status.
std::pair<std::string, int> RunChild(const std::string& savedPath, const std::string& recordPath) {
    const std::string command =
        "'" ZINGAROO_RESUME_CHILD "' '" + savedPath + "' '" + recordPath + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    return {output, pipe ? pclose(pipe) : -1};
}

// Points to cut a record at: the start, around the launch and a spread of other inputs
// (just before and just after each), a pause, steps between inputs, and the last moment
// the game is still in play.
std::vector<ReplayCut> CutsOf(const AppGameRecord& record) {
    const std::vector<AppGameInput>& inputs = record.inputs;
    const auto inputsBefore = [&](std::uint32_t step) {
        std::size_t count = 0;
        while (count < inputs.size() && inputs[count].step < step)
            ++count;
        return count;
    };
    std::vector<ReplayCut> cuts = {{0, 0}};
    const std::size_t n = inputs.size();
    const std::uint32_t end = record.end->step;
    // A game over that came with the last input leaves nothing in play after it.
    const bool endedByInput =
        record.end->how == AppGameEnd::gameOver && n > 0 && inputs[n - 1].step == end;
    for (const std::size_t i : {std::size_t{0}, std::size_t{1}, n / 4, n / 2, 3 * n / 4, n - 1}) {
        cuts.push_back({inputs[i].step, i});
        if (i + 1 < n || !endedByInput)
            cuts.push_back({inputs[i].step, i + 1});
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (inputs[i].kind == AppInputKind::pause) {
            cuts.push_back({inputs[i].step, i + 1});
            break;
        }
    }
    for (const std::uint32_t step : {end / 3, 2 * end / 3 + 1, end - 1})
        cuts.push_back({step, inputsBefore(step)});
    if (record.end->how == AppGameEnd::abandoned)
        cuts.push_back({end, n});
    return cuts;
}

TEST(ReplayResume, ResumedInAFreshProcessTheGameGoesOnExactlyAsUninterrupted) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zingaroo-resume-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    int cutsTried = 0;
    int pausedCuts = 0;
    for (const char* name : {"01-default-runs-into", "11-practice-shoves-onto-ball",
                             "19-wide-32x16-abandoned", "21-sweepers-often-32x32"}) {
        const std::string recordPath = std::string(ZINGAROO_REPLAY_CORPUS "/") + name + ".replay";
        const std::string recordText = FileText(recordPath);
        std::string reason;
        const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(recordText, reason);
        ASSERT_TRUE(record) << name << ": " << reason;
        const AppReplayOutcome whole = AppReplay::Play(*record);
        ASSERT_TRUE(whole.finished) << name << ": " << whole.reason;
        const std::string expected = Hex(whole.stateChecksum) + Hex(whole.randomState) + recordText;

        for (const ReplayCut cut : CutsOf(*record)) {
            SCOPED_TRACE(std::string(name) + " cut after " + std::to_string(cut.steps) +
                         " steps and " + std::to_string(cut.inputs) + " inputs");
            AppRandom random;
            AppGame game(random);
            game.CreateField();
            AppGameRecorder recorder(game, random);
            recorder.New(record->number, record->options);
            ASSERT_TRUE(Drive(recorder, *record, 0, cut));
            const std::optional<AppSavedGame> saved = recorder.Save(60000 + cut.steps);
            ASSERT_TRUE(saved);
            pausedCuts += saved->paused;
            const std::string savedPath = (folder / "game").string();
            std::ofstream(savedPath, std::ios::binary) << AppGameFile::Text(*saved);

            const auto [output, status] = RunChild(savedPath, recordPath);
            EXPECT_EQ(status, 0);
            EXPECT_EQ(output, expected);
            ++cutsTried;
        }
    }
    std::filesystem::remove_all(folder);
    EXPECT_GE(cutsTried, 60);
    EXPECT_GE(pausedCuts, 1);
}

} // namespace
