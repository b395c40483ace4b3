// The replay corpus, the rules' golden master: every recorded game plays back to its recorded end.
#include "AppGameFile.h"
#include "AppReplay.h"
#include "AppReplayCheck.h"
#include "ReplayDrive.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ReplayCorpus, EveryRecordedGamePlaysBackToItsRecordedEndWithoutAWindow) {
    int games = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZINGAROO_REPLAY_CORPUS)) {
        if (entry.path().extension() != ".replay")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string text = FileText(entry.path());
        std::string reason;
        const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(text, reason);
        ASSERT_TRUE(record) << reason;

        const AppReplayOutcome outcome = AppReplay::Play(*record);
        EXPECT_TRUE(outcome.finished) << outcome.reason;
        EXPECT_EQ(outcome.steps, record->end->step);
        EXPECT_EQ(outcome.score, record->end->score);
        EXPECT_EQ(outcome.phase, record->end->phase);
        EXPECT_EQ(outcome.fieldChecksum, record->end->fieldChecksum);
        // Recorded again as it played, the game gives the very same file.
        EXPECT_EQ(AppGameFile::Text(outcome.record), text);
        // And anyone can check its score: --verify says so.
        const AppReplayVerdict verdict = AppReplayCheck::CheckFile(entry.path());
        EXPECT_TRUE(verdict.ok) << verdict.line;
        EXPECT_NE(verdict.line.find(", score " + std::to_string(record->end->score) + ", "),
                  std::string::npos);
        ++games;
    }
    EXPECT_GE(games, 20);
}

} // namespace
