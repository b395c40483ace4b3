// The play session: the random source, the game with its picture and sound, its step loop,
// its pause, its recording, and the replays shown in its place; it tells when a game starts,
// ends or pauses.
#pragma once

#include "AppGame.h"
#include "AppGameRecorder.h"
#include "AppRandom.h"
#include "AppRenderer.h"
#include "AppReplay.h"
#include "AppStepLoop.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>

class AppSound;

class AppPlaySession : public QObject {
    Q_OBJECT

public:
    // The renderer reaches the window through showRect and sizeClient.
    AppPlaySession(AppRenderer::ShowRect showRect, AppRenderer::SizeClient sizeClient);
    ~AppPlaySession() override;

    AppGame& Game() { return *game_; }
    AppRandom& Random() { return random_; }
    AppRenderer& Renderer() { return *renderer_; }
    AppSound& Sound() { return *sound_; }
    AppStepLoop& StepLoop() { return *loop_; }
    // Every game, step and input of the player goes through the recorder.
    AppGameRecorder& Recorder() { return *recorder_; }

    // Starts the step loop and shows the title.
    void Start();
    // No step follows from now on.
    void Close() { game_->SetState(stClosing); }

    // Deals game `number` with `options`, ending any replay; the random source is seeded
    // from the number here and nowhere else.
    void New(std::uint32_t number, const AppPlayOptions& options);
    // Goes on with a saved game, paused, with its own options. An empty text when it did;
    // otherwise why not, in one line, and the title is shown.
    std::string Resume(const AppSavedGame& saved);

    // A pause holds a game in play: no step runs and the window shows the pause screen
    // instead of the field. Asking for one outside play does nothing.
    bool Paused() const { return paused_; }
    void SetPaused(bool paused);
    // After input or a command changed the game: a game no longer in play ends its pause,
    // and the step loop rests or starts again.
    void Settle();

    // The player's input, recorded. While paused a left click goes on with the game and
    // nothing else counts; a replay takes no input.
    void MouseDown(AppMouseButton button);
    void KeyDown(int key, std::optional<AppPoint> pointer);

    // A replay takes the game's place: the game in play is abandoned, and the recorded one
    // is played back at its own pace, `ReplaySpeed` steps per period. The player's record
    // is left as it was before.
    void Watch(const AppGameRecord& record);
    bool Replaying() const { return replay_ != nullptr; }
    const AppReplay* Replay() const { return replay_.get(); }
    int ReplaySpeed() const { return replaySpeed_; }
    void SetReplaySpeed(int speed);
    // Ends the replay, leaving the game where it stopped.
    void StopReplay();

signals:
    // The game's state or the pause may have changed.
    void Changed();
    // The player's ball was launched: the game's time runs from here.
    void GameStarted();
    // The player's game in play reached game over; New, an Options change, Exit and replays
    // end none.
    void GameEnded();
    // Each time the pause of the player's game begins or ends.
    void PauseChanged(bool paused);
    // The replay came to its end or stopped short (see AppReplay::Reason).
    void ReplayStopped();

protected:
    // Takes the step loop's messages.
    bool event(QEvent* event) override;

private:
    // What a step or input is compared against once it has run.
    struct Moment {
        AppState state;
        bool standing;
    };

    Moment Now() const { return {game_->State(), game_->ball.IsStanding()}; }
    // Tells what the player's game went through since `before`.
    void TellSince(const Moment& before);
    void ShowPaused(bool paused);
    void AdvanceReplay();

    AppRandom random_;
    std::unique_ptr<AppGame> game_;
    std::unique_ptr<AppRenderer> renderer_;
    std::unique_ptr<AppSound> sound_;
    std::unique_ptr<AppStepLoop> loop_;
    std::unique_ptr<AppGameRecorder> recorder_;
    bool paused_ = false;
    std::unique_ptr<AppGameRecorder> replayRecorder_;
    std::unique_ptr<AppReplay> replay_;
    int replaySpeed_ = 1;
    std::int32_t recordScore_ = 0;
    std::int32_t recordPhase_ = 0;
};
