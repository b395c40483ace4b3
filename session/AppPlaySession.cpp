// The play session: random source, game, recording, replay, pause, time in play, saved game.
#include "AppPlaySession.h"

#include "AppGameNumber.h"
#include "AppOptionFields.h"

#include <string>
#include <utility>

namespace {

// The writes of the game in play, of which only the newest waiting one is written.
const std::string keepKind = "keep the game in play";

} // namespace

AppPlaySession::AppPlaySession(AppSessionObserver& observer, AppPlayClock::Clock clock)
    : observer_(observer), clock_(std::move(clock)) {
    // The ball, the counters and the play and view records come with the game.
    game_ = std::make_unique<AppGame>(random_);
    game_->SetGameOverWatch([this] {
        // A replay's ending and a saved game played to its step are not the player's.
        if (!replay_)
            gameOver_ = true;
    });
    recorder_ = std::make_unique<AppGameRecorder>(*game_, random_);
}

AppPlaySession::~AppPlaySession() {
    replay_.reset();
    replayRecorder_.reset();
    recorder_.reset();
    game_->DestroyField();
}

void AppPlaySession::SetFrontEnd(AppGamePicture& picture, AppGameSound& sound,
                                 AppStepTimer& timer) {
    game_->SetPicture(picture);
    game_->SetSound(sound);
    timer_ = &timer;
    game_->CreateField();
}

void AppPlaySession::Start() {
    game_->SetState(stSetup);
    Settle();
}

void AppPlaySession::Close() {
    if (closing_)
        return;
    closing_ = true;
    if (timer_)
        timer_->RunSteps(false);
    // The slot takes the last save only once the writes before it are done. A keep still
    // waiting is of the game the end saves anyway, so it is not written first.
    if (writes_) {
        if (replay_ ? setAside_.has_value() : recorder_->Recording())
            writes_->Withdraw(keepKind);
        writes_->Finish();
    }
    // Saved while the game is still in play: the saved state must be the one played.
    SaveForEnd();
    game_->SetState(stClosing);
}

void AppPlaySession::Step() {
    if (closing_)
        return;
    if (replay_) {
        AdvanceReplay();
    } else {
        recorder_->Step();
        TellGameOver();
        KeepWhenDue();
    }
    Settle();
}

bool AppPlaySession::Moving() const {
    return !closing_ && !paused_ && game_->State() == stPlaying;
}

void AppPlaySession::ApplyOptions(const AppPlayOptions& play, const AppViewOptions& view) {
    const AppPlayOptions bounded = ClampOptions(play);
    const bool changed = bounded != playerOptions_ || ClampOptions(view) != game_->ViewOptions();
    playerOptions_ = bounded;
    if (game_->State() == stNone) {
        game_->SetPlayOptions(bounded);
        game_->SetViewOptions(view);
        return;
    }
    // The same options leave a game in play with its own, and a replay, going on; other
    // options end either on their title.
    if (!changed)
        return;
    setAside_.reset();
    StopReplay();
    recorder_->Abandon();
    Discard();
    clock_.Stop();
    game_->SetPlayOptions(bounded);
    game_->SetViewOptions(view);
    game_->SetState(stSetup);
    Settle();
}

void AppPlaySession::New(std::uint32_t number, const AppPlayOptions& options) {
    setAside_.reset();
    StopReplay();
    clock_.Stop();
    Discard();
    recorder_->New(number, options);
    keptAtMs_ = 0;
    keptPhase_ = game_->Phase();
    SetPaused(false);
}

void AppPlaySession::SetSavedGamePlace(const std::string& folder, Report report) {
    writes_.reset();
    slot_ = std::make_unique<AppSavedGameSlot>(folder, std::move(report));
    writes_ = std::make_unique<AppWriteQueue>();
}

bool AppPlaySession::ResumeSaved() {
    if (!slot_)
        return false;
    // A game that reads well but does not play back is set aside and the next one is tried,
    // so that a whole game waiting behind damaged ones is resumed at this start. Each round
    // sets a file aside; one that cannot be set aside ends the rounds.
    std::optional<AppSavedGameSlot::Claimed> claimed;
    for (;;) {
        claimed = slot_->Claim();
        if (!claimed)
            return false;
        setAside_.reset();
        StopReplay();
        const std::string reason = AppReplay::Restore(*recorder_, claimed->saved);
        if (reason.empty())
            break;
        const bool setAside = slot_->Reject(reason);
        Settle();
        if (!setAside)
            return false;
    }
    const AppSavedGame& saved = claimed->saved;
    // The game now lives in this copy's file, kept there while it plays.
    slot_->Resumed();
    kept_ = true;
    keptAtMs_ = saved.playMs;
    keptPhase_ = game_->Phase();
    return GoOnWith(saved);
}

bool AppPlaySession::GoOnWith(const AppSavedGame& saved) {
    if (game_->State() != stPlaying)
        return false;
    game_->Picture().RepaintField(true);
    clock_.Resume(saved.playMs, !game_->ball.IsStanding());
    // A replay left while paused leaves its pause shown, which the game takes over: its
    // time stands from here.
    clock_.SetPaused(paused_);
    SetPaused(true);
    return true;
}

void AppPlaySession::SaveForEnd() {
    if (!slot_)
        return;
    if (replay_) {
        if (setAside_)
            slot_->Put(*setAside_);
        return;
    }
    if (const std::optional<AppSavedGame> saved = recorder_->Save(clock_.PlayMs()))
        slot_->Put(*saved);
}

void AppPlaySession::Keep() {
    if (!writes_ || closing_ || replay_)
        return;
    std::optional<AppSavedGame> saved = recorder_->Save(clock_.PlayMs());
    if (!saved)
        return;
    keptAtMs_ = saved->playMs;
    keptPhase_ = game_->Phase();
    kept_ = true;
    writes_->Post([slot = slot_.get(), saved = std::move(*saved)](int) { slot->Keep(saved); },
                  keepKind);
}

void AppPlaySession::KeepWhenDue() {
    if (game_->Phase() != keptPhase_ || clock_.PlayMs() - keptAtMs_ >= keepEveryMs)
        Keep();
}

void AppPlaySession::Discard() {
    if (!writes_ || !std::exchange(kept_, false))
        return;
    writes_->Post([slot = slot_.get()](int) { slot->Discard(); });
}

void AppPlaySession::Click(AppMouseButton button) {
    if (paused_) {
        if (button == AppMouseButton::Left)
            SetPaused(false);
        return;
    }
    if (replay_)
        return;
    // Each game from the title gets a fresh number and the player's options.
    if (button == AppMouseButton::Left && game_->State() == stTitle) {
        New(AppGameNumber::FromClock(), playerOptions_);
        return;
    }
    // Anywhere but on the title, a click that acts launches the standing ball.
    if (recorder_->MouseDown(button))
        Started();
    Settle();
}

void AppPlaySession::Key(AppKeyPosition position, AppPoint cell) {
    if (paused_ || replay_)
        return;
    recorder_->KeyAtCell(position, cell);
    TellGameOver();
    Settle();
}

void AppPlaySession::Started() {
    clock_.Start();
    observer_.GameStarted();
}

void AppPlaySession::TellGameOver() {
    if (!gameOver_)
        return;
    gameOver_ = false;
    AppFinishedGame finished{game_->Score(),
                             game_->Phase(),
                             recorder_->Steps(),
                             clock_.PlayMs(),
                             recorder_->Record().number,
                             game_->PlayOptions(),
                             recorder_->Record()};
    clock_.Stop();
    Discard();
    observer_.GameEnded(finished);
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
    if (timer_)
        timer_->RunSteps(Moving());
    observer_.PictureChanged();
}

void AppPlaySession::ShowPaused(bool paused) {
    paused_ = paused;
    // A replay's pause is not the player's: the game's time does not stand for it.
    if (!replay_)
        clock_.SetPaused(paused_);
    if (paused_)
        Keep();
    observer_.PauseChanged(paused_);
}

void AppPlaySession::Watch(const AppGameRecord& record) {
    // The game in play waits for the replay's end as it stands, before the pause is lifted;
    // a replay watched from another keeps the game the first one set aside.
    std::optional<AppSavedGame> aside = replay_ ? setAside_
                                        : game_->State() == stPlaying
                                            ? recorder_->Save(clock_.PlayMs())
                                            : std::nullopt;
    StopReplay();
    setAside_ = std::move(aside);
    // The game set aside stays in this copy's file as it stands until it comes back.
    if (setAside_)
        Keep();
    else
        Discard();
    SetPaused(false);
    recorder_->Abandon();
    clock_.Stop();
    recordScore_ = game_->RecordScore();
    recordPhase_ = game_->RecordPhase();
    replaySpeed_ = 1;
    replayRecorder_ = std::make_unique<AppGameRecorder>(*game_, random_);
    replay_ = std::make_unique<AppReplay>(*replayRecorder_, record);
    if (!replay_->Start())
        observer_.ReplayStopped();
    Settle();
}

void AppPlaySession::SetReplaySpeed(int speed) {
    replaySpeed_ = speed;
    observer_.PictureChanged();
}

void AppPlaySession::EndReplay() {
    const std::optional<AppSavedGame> aside = std::exchange(setAside_, std::nullopt);
    StopReplay();
    if (aside && AppReplay::Restore(*recorder_, *aside).empty() && GoOnWith(*aside))
        return;
    game_->SetPlayOptions(playerOptions_);
    game_->SetState(stSetup);
    Settle();
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
    // A replay that stopped holds its last picture until the front end ends it.
    if (replay_->Stopped())
        return;
    for (int step = 0; step < replaySpeed_; ++step)
        if (!replay_->Advance()) {
            observer_.ReplayStopped();
            return;
        }
}
