// The play session: the random source, the game with its picture and sound, its step loop,
// its pause, its recording, and the replays shown in its place; it tells when a game starts,
// ends or pauses.
#include "AppPlaySession.h"

#include "AppLanguage.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppSound.h"

AppPlaySession::AppPlaySession(AppRenderer::ShowRect showRect, AppRenderer::SizeClient sizeClient) {
    // The ball, the counters and the play and view records come with the game.
    game_ = std::make_unique<AppGame>(random_);
    game_->SetTexts(AppLanguage::GameTexts());
    renderer_ = std::make_unique<AppRenderer>(*game_, random_, ProgramTexts().productName,
                                              std::move(showRect), std::move(sizeClient));
    game_->SetPicture(*renderer_);
    game_->CreateField();
    sound_ = std::make_unique<AppSound>(ProgramFolders().soundFolder);
    game_->SetSound(*sound_);
    recorder_ = std::make_unique<AppGameRecorder>(*game_, random_);
}

AppPlaySession::~AppPlaySession() {
    replay_.reset();
    replayRecorder_.reset();
    recorder_.reset();
    sound_.reset();
    game_->DestroyField();
    renderer_.reset();
}

void AppPlaySession::Start() {
    loop_ = std::make_unique<AppStepLoop>(
        this,
        [this] {
            const Moment before = Now();
            if (replay_) {
                AdvanceReplay();
            } else {
                recorder_->Step();
                TellSince(before);
            }
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

void AppPlaySession::New(std::uint32_t number, const AppPlayOptions& options) {
    StopReplay();
    recorder_->New(number, options);
    SetPaused(false);
}

std::string AppPlaySession::Resume(const AppSavedGame& saved) {
    StopReplay();
    std::string reason = AppReplay::Restore(*recorder_, saved);
    if (reason.empty()) {
        renderer_->RepaintField(true);
        SetPaused(true);
    }
    Settle();
    return reason;
}

void AppPlaySession::Watch(const AppGameRecord& record) {
    StopReplay();
    SetPaused(false);
    recorder_->Abandon();
    recordScore_ = game_->RecordScore();
    recordPhase_ = game_->RecordPhase();
    replaySpeed_ = 1;
    replayRecorder_ = std::make_unique<AppGameRecorder>(*game_, random_);
    replay_ = std::make_unique<AppReplay>(*replayRecorder_, record);
    if (!replay_->Start())
        emit ReplayStopped();
    Settle();
}

void AppPlaySession::SetReplaySpeed(int speed) {
    replaySpeed_ = speed;
    emit Changed();
}

void AppPlaySession::StopReplay() {
    if (!replay_)
        return;
    replay_.reset();
    replayRecorder_.reset();
    game_->SetRecord(recordScore_, recordPhase_);
    Settle();
}

void AppPlaySession::AdvanceReplay() {
    // A replay that stopped holds its last picture until the window ends it.
    if (replay_->Stopped())
        return;
    for (int step = 0; step < replaySpeed_; ++step)
        if (!replay_->Advance()) {
            emit ReplayStopped();
            return;
        }
}

void AppPlaySession::SetPaused(bool paused) {
    paused = paused && game_->State() == stPlaying;
    if (!replay_)
        recorder_->SetPaused(paused);
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
    // A replay's pause is not the player's: the game's time is not stopped by it.
    if (!replay_)
        emit PauseChanged(paused_);
}

void AppPlaySession::MouseDown(AppMouseButton button) {
    if (paused_) {
        if (button == AppMouseButton::Left)
            SetPaused(false);
        return;
    }
    if (replay_)
        return;
    const Moment before = Now();
    recorder_->MouseDown(button);
    TellSince(before);
    Settle();
}

void AppPlaySession::KeyDown(int key, std::optional<AppPoint> pointer) {
    if (paused_ || replay_)
        return;
    const Moment before = Now();
    recorder_->KeyDown(key, pointer);
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
