// The play session: random source, game, recording, replay, pause, time in play, saved game.
#pragma once

#include "AppGame.h"
#include "AppGameRecorder.h"
#include "AppPlayClock.h"
#include "AppRandom.h"
#include "AppReplay.h"
#include "AppSavedGameSlot.h"
#include "AppSessionObserver.h"
#include "AppStepTimer.h"
#include "AppWriteQueue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The one owner of a game in play and of what is shown in its place. A front end shows the
// picture and plays the sounds the game asks for, runs the step timer while the session wants
// it and calls Step at each period's end, and passes the player's input and commands in; the
// session tells it every transition through the observer. Nothing here knows of a window.
class AppPlaySession {
    // Seeds the random source in tests, and waits for the writes.
    friend class AppPlaySessionTestPeer;

public:
    using Report = AppSavedGameSlot::Report;

    // The observer outlives the session. `clock` times the game in play (see AppPlayClock).
    explicit AppPlaySession(AppSessionObserver& observer, AppPlayClock::Clock clock = {});
    AppPlaySession(const AppPlaySession&) = delete;
    AppPlaySession& operator=(const AppPlaySession&) = delete;
    ~AppPlaySession();

    // Who draws, sounds and paces the game; they outlive the session. Until then the game
    // draws and plays nothing and nothing paces it.
    void SetFrontEnd(AppGamePicture& picture, AppGameSound& sound, AppStepTimer& timer);
    void SetTexts(AppGameTexts texts) { game_->SetTexts(std::move(texts)); }
    // The game, for showing it. The picture paints through it (see AppGame::SpriteAt).
    const AppGame& Game() const { return *game_; }
    AppGame& Game() { return *game_; }

    // Shows the title; steps follow while something moves.
    void Start();
    // The session's part of the program's end: no step follows from now on, the writes of
    // the game in play are finished, the game is kept for the next start (when a place was
    // set), and the game closes. Once.
    void Close();
    bool Closing() const { return closing_; }
    // The length of a period in milliseconds.
    std::int32_t Period() const { return game_->PlayOptions().Speed; }
    // One period's work: a step of the game in play, or of the replay shown.
    void Step();

    // The options the player chose: they deal the games started from the title. A game in
    // play or a replay ends on the title when they change the game; before Start they are
    // only taken. The game's values are bounded to their ranges.
    void ApplyOptions(const AppPlayOptions& play, const AppViewOptions& view);
    const AppPlayOptions& PlayerOptions() const { return playerOptions_; }
    // The record as the settings file kept it, or cleared.
    void RestoreRecord(std::int32_t score, std::int32_t phase) { game_->SetRecord(score, phase); }
    void ClearRecord() { game_->SetRecord(0, 0); }

    // Deals game `number` with `options`, ending any replay; the random source is seeded
    // from the number here and nowhere else.
    void New(std::uint32_t number, const AppPlayOptions& options);

    // The saved game's folder: from now on the game in play is kept there while it plays,
    // in the background, and saved there at the end. It is kept at each pause, at each new
    // phase and after every keepEveryMs of play, so a crash loses at most that much play.
    void SetSavedGamePlace(const std::string& folder, Report report);
    static constexpr std::int64_t keepEveryMs = 10'000;
    // Goes on with the game saved at the last end, if any, paused, with its own options.
    // True when it did; a file that cannot be resumed is kept aside and the title shows.
    bool ResumeSaved();

    // The player's input. While paused a left click goes on with the game and nothing else
    // counts; a replay takes no input. A left click on the title deals a game numbered from
    // the clock with the player's options.
    void Click(AppMouseButton button);
    // A key of `position` over `cell`, as the mouse, the keyboard cursor or a pad points.
    void Key(AppKeyPosition position, AppPoint cell);

    // A pause holds a game in play, or a replay: no step runs and the pause screen shows.
    // Asking for one outside play does nothing.
    bool Paused() const { return paused_; }
    void SetPaused(bool paused);
    // The game's time in play so far, over every sitting.
    std::int64_t PlayMs() const { return clock_.PlayMs(); }
    // Whether a step is due each period: a game in play, neither paused nor closing.
    bool Moving() const;

    // A replay takes the game's place: the game in play is set aside, and the recorded one
    // is played back at its own pace, ReplaySpeed steps per period. The player's record
    // is left as it was before.
    void Watch(const AppGameRecord& record);
    bool Replaying() const { return replay_ != nullptr; }
    const AppReplay* Replay() const { return replay_.get(); }
    int ReplaySpeed() const { return replaySpeed_; }
    void SetReplaySpeed(int speed);
    // Ends the replay: the game set aside for it goes on where it was, paused, or else the
    // title of the player's options shows.
    void EndReplay();

    // The number of the game in play or last dealt; 0 before the first.
    std::uint32_t Number() const { return recorder_->Record().number; }
    // The options that game was dealt with.
    const AppPlayOptions& NumberOptions() const { return recorder_->Record().options; }

private:
    // Keeps the game in play, or the one a replay set aside, for the next start.
    void SaveForEnd();
    // Hands the game in play, as it stands, to the writing thread for this copy's file.
    void Keep();
    // The same at a new phase and once keepEveryMs of play have passed since the last.
    void KeepWhenDue();
    // The game in play is gone: this copy's file goes too, after the writes before.
    void Discard();
    // Brings back a game saved in play, paused; false when it does not play back.
    bool GoOnWith(const AppSavedGame& saved);
    // Ends the replay, leaving the game where it stopped.
    void StopReplay();
    // After input or a command changed the game: a game no longer in play ends its pause,
    // the timer runs or rests, and the front end looks again.
    void Settle();
    void ShowPaused(bool paused);
    void AdvanceReplay();
    // The launch of the player's ball, and the game over the last step or key brought.
    void Started();
    void TellGameOver();

    AppSessionObserver& observer_;
    AppStepTimer* timer_ = nullptr;
    AppRandom random_;
    std::unique_ptr<AppGame> game_;
    std::unique_ptr<AppGameRecorder> recorder_;
    AppPlayClock clock_;
    AppPlayOptions playerOptions_;
    bool paused_ = false;
    // Set by the game when the player's game reaches game over, told once the step or key
    // that brought it is recorded.
    bool gameOver_ = false;
    std::unique_ptr<AppGameRecorder> replayRecorder_;
    std::unique_ptr<AppReplay> replay_;
    // The game that was in play when the replay began; New and other options discard it.
    std::optional<AppSavedGame> setAside_;
    int replaySpeed_ = 1;
    std::int32_t recordScore_ = 0;
    std::int32_t recordPhase_ = 0;
    std::unique_ptr<AppSavedGameSlot> slot_;
    // Writes to the slot: declared after it, so that it ends first and finishes its writes.
    std::unique_ptr<AppWriteQueue> writes_;
    // The time in play and the phase of the game last kept, and whether this copy's file
    // may hold a game.
    std::int64_t keptAtMs_ = 0;
    std::int32_t keptPhase_ = 0;
    bool kept_ = false;
    bool closing_ = false;
};
