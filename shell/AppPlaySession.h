// The play session: the random source, the game with its picture and sound, its step loop and
// its pause; it tells when a game starts, ends or pauses.
#pragma once

#include "AppGame.h"
#include "AppRandom.h"
#include "AppRenderer.h"
#include "AppStepLoop.h"

#include <QObject>

#include <memory>
#include <optional>

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

    // Starts the step loop and shows the title.
    void Start();
    // No step follows from now on.
    void Close() { game_->SetState(stClosing); }

    // A pause holds a game in play: no step runs and the window shows the pause screen
    // instead of the field. Asking for one outside play does nothing.
    bool Paused() const { return paused_; }
    void SetPaused(bool paused);
    // After input or a command changed the game: a game no longer in play ends its pause,
    // and the step loop rests or starts again.
    void Settle();

    // The player's input. While paused a left click goes on with the game and nothing
    // else counts.
    void MouseDown(AppMouseButton button);
    void KeyDown(int key, std::optional<AppPoint> pointer);

signals:
    // The game's state or the pause may have changed.
    void Changed();
    // The ball was launched: the game's time runs from here.
    void GameStarted();
    // A game in play reached game over; New, an Options change or Exit end none.
    void GameEnded();
    // Each time the pause begins or ends.
    void PauseChanged(bool paused);

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
    // Tells what the game went through since `before`.
    void TellSince(const Moment& before);
    void ShowPaused(bool paused);

    AppRandom random_;
    std::unique_ptr<AppGame> game_;
    std::unique_ptr<AppRenderer> renderer_;
    std::unique_ptr<AppSound> sound_;
    std::unique_ptr<AppStepLoop> loop_;
    bool paused_ = false;
};
