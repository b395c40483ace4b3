// The play session: the random source, the game with its picture and sound, its step loop and
// its pause; it tells when a game starts, ends or pauses.
#include "AppPlaySession.h"

#include "AppLanguage.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppSound.h"

#include <cstdint>
#include <ctime>

AppPlaySession::AppPlaySession(AppRenderer::ShowRect showRect, AppRenderer::SizeClient sizeClient) {
    // The ball, the counters and the play and view records come with the game.
    game_ = std::make_unique<AppGame>(random_);
    game_->SetTexts(AppLanguage::GameTexts());
    random_.Seed(static_cast<std::uint64_t>(std::time(nullptr)));
    renderer_ = std::make_unique<AppRenderer>(*game_, random_, ProgramTexts().productName,
                                              std::move(showRect), std::move(sizeClient));
    game_->SetPicture(*renderer_);
    game_->CreateField();
    sound_ = std::make_unique<AppSound>(ProgramFolders().soundFolder);
    game_->SetSound(*sound_);
}

AppPlaySession::~AppPlaySession() {
    sound_.reset();
    game_->DestroyField();
    renderer_.reset();
}

void AppPlaySession::Start() {
    loop_ = std::make_unique<AppStepLoop>(
        this,
        [this] {
            const Moment before = Now();
            game_->Step();
            TellSince(before);
            if (game_->State() != before.state)
                emit Changed();
        },
        [this] { return game_->PlayOptions().Speed; },
        [this] { return game_->State() == stClosing; });
    // Nothing is drawn on the title, after game over and while paused. A ball waiting for its
    // launch is stepped all the same: each step repaints it and may make it twinkle.
    loop_->SetRestCheck([this] { return paused_ || game_->State() != stPlaying; });
    loop_->PostGameStep();
    game_->SetState(stSetup);
    Settle();
}

void AppPlaySession::SetPaused(bool paused) {
    paused = paused && game_->State() == stPlaying;
    if (paused != paused_)
        ShowPaused(paused);
    Settle();
}

void AppPlaySession::Settle() {
    if (paused_ && game_->State() != stPlaying)
        ShowPaused(false);
    loop_->RestOrWake();
    emit Changed();
}

void AppPlaySession::ShowPaused(bool paused) {
    paused_ = paused;
    renderer_->ShowPaused(paused_);
    emit PauseChanged(paused_);
}

void AppPlaySession::MouseDown(AppMouseButton button) {
    if (paused_) {
        if (button == AppMouseButton::Left)
            SetPaused(false);
        return;
    }
    const Moment before = Now();
    game_->FormMouseDown(button);
    TellSince(before);
    Settle();
}

void AppPlaySession::KeyDown(int key, std::optional<AppPoint> pointer) {
    if (paused_)
        return;
    const Moment before = Now();
    game_->FormKeyDown(key, pointer);
    TellSince(before);
    Settle();
}

void AppPlaySession::TellSince(const Moment& before) {
    if (before.state != stPlaying)
        return;
    const AppState state = game_->State();
    if (before.standing && state == stPlaying && !game_->ball.IsStanding())
        emit GameStarted();
    if (state == stGameOver)
        emit GameEnded();
}

bool AppPlaySession::event(QEvent* event) {
    if (event->type() != AppStepLoop::WM_GAMESTEP)
        return QObject::event(event);
    loop_->Receive();
    return true;
}
