// Plays a recorded game back step by step, and restores a saved game by playing it to its step.
#pragma once

#include "AppGameRecord.h"
#include "AppGameRecorder.h"
#include "AppSavedGame.h"

#include <cstdint>
#include <string>

// What a replay run to its end without a window came to.
struct AppReplayOutcome {
    // It reached the recorded end and reproduced it.
    bool finished = false;
    // Why it stopped short; empty when finished.
    std::string reason;
    std::uint32_t steps = 0;
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::uint64_t fieldChecksum = 0;
    std::uint64_t stateChecksum = 0;
    std::uint64_t randomState = 0;
    // The game recorded again as it was played back.
    AppGameRecord record;
};

// The replay deals the recorded game through the recorder and feeds it the recorded inputs
// at their steps; the game shows and sounds through whatever picture and sound it has, so
// a window plays a replay at its own pace, one Advance per period, or faster. It is honest:
// a record of other rules, an input that cannot act where it was recorded, a game that ends
// elsewhere or otherwise than recorded stop it with a reason, never a wrong game.
class AppReplay {
public:
    // The recorder outlives the replay; it records the game again as it is played back.
    AppReplay(AppGameRecorder& recorder, AppGameRecord record)
        : recorder_(recorder), record_(std::move(record)) {}
    AppReplay(const AppReplay&) = delete;
    AppReplay& operator=(const AppReplay&) = delete;
    virtual ~AppReplay() = default;

    // Deals the recorded game with its own options and runs the inputs before its first
    // step. False when it stopped already.
    bool Start();
    // One step, then the inputs recorded after it. False once the replay has stopped.
    bool Advance();

    bool Stopped() const { return stopped_; }
    bool Finished() const { return stopped_ && reason_.empty(); }
    const std::string& Reason() const { return reason_; }
    std::uint32_t Steps() const { return recorder_.Steps(); }
    const AppGameRecord& Recorded() const { return record_; }

    // Plays a finished record to its end with no window and no sound.
    static AppReplayOutcome Play(const AppGameRecord& record);
    // Plays a saved game to its step with nothing drawn or heard, on the recorder's game,
    // and checks that it comes to the saved state. On success the game is in play where it
    // was saved (with the saved pause), with its own options, the picture sized to them but
    // not yet painted (see AppRenderer::RepaintField), and the recorder goes on recording
    // it. Otherwise the reason, in one line, and the game is back on the title with the
    // play options it had.
    static std::string Restore(AppGameRecorder& recorder, const AppSavedGame& saved);

private:
    bool Stop(std::string reason);
    void ApplyDue();
    bool Apply(const AppGameInput& input);
    void CheckEnd();

    AppGameRecorder& recorder_;
    AppGameRecord record_;
    std::size_t next_ = 0;
    bool stopped_ = false;
    std::string reason_;
};
