// Passes steps and input to the game and records the game as it goes: the record, the saved game.
#include "AppGameRecorder.h"

#include "AppGameChecksum.h"
#include "AppGameNumber.h"

void AppGameRecorder::New(std::uint32_t number, const AppPlayOptions& options) {
    Abandon();
    game_.SetPlayOptions(options);
    const AppPlayOptions& dealt = game_.PlayOptions();
    if (game_.Field().Width() != dealt.Width || game_.Field().Height() != dealt.Height)
        game_.SetState(stSetup);
    random_.Seed(number);
    game_.SetState(stPlaying);
    record_.number = number;
    record_.options = dealt;
    record_.rulesVersion = appRulesVersion;
    record_.inputs.clear();
    record_.end.reset();
    steps_ = 0;
    recording_ = true;
}

void AppGameRecorder::Step() {
    if (paused_)
        return;
    const bool inPlay = game_.State() == stPlaying;
    if (inPlay && recording_ && steps_ == AppGameRecord::maxSteps)
        End(AppGameEnd::abandoned);
    game_.Step();
    if (inPlay && recording_) {
        ++steps_;
        NoteGameOver();
    }
}

bool AppGameRecorder::MouseDown(AppMouseButton button) {
    if (paused_ || button != AppMouseButton::Left)
        return false;
    if (game_.State() == stTitle) {
        New(AppGameNumber::FromClock(), game_.PlayOptions());
        return true;
    }
    if (game_.State() != stPlaying || !game_.ball.IsStanding())
        return false;
    MakeRoom();
    game_.FormMouseDown(button);
    Append(AppInputKind::launch);
    return true;
}

bool AppGameRecorder::KeyDown(int keyCode, std::optional<AppPoint> clientPixel) {
    return clientPixel &&
           KeyAtCell(AppGame::PositionOfKey(keyCode), game_.PixelToCell(*clientPixel));
}

bool AppGameRecorder::KeyAtCell(AppKeyPosition position, AppPoint cell) {
    if (paused_)
        return false;
    MakeRoom();
    if (!game_.KeyAtCell(position, cell))
        return false;
    Append(AppInputKind::key, position, cell);
    NoteGameOver();
    return true;
}

bool AppGameRecorder::SetPaused(bool paused) {
    paused = paused && game_.State() == stPlaying;
    if (paused == paused_)
        return false;
    MakeRoom();
    paused_ = paused;
    Append(paused ? AppInputKind::pause : AppInputKind::resume);
    return true;
}

void AppGameRecorder::Abandon() {
    if (recording_ && game_.State() == stPlaying)
        End(AppGameEnd::abandoned);
    recording_ = false;
    paused_ = false;
}

std::optional<AppSavedGame> AppGameRecorder::Save(std::int64_t playMs) const {
    if (!recording_)
        return std::nullopt;
    return AppSavedGame{record_,
                        steps_,
                        paused_,
                        playMs,
                        game_.BallSprite(),
                        AppGameChecksum::State(game_, random_)};
}

void AppGameRecorder::MakeRoom() {
    // The record ends before the input that would not fit, with the game as it was then.
    if (recording_ && record_.inputs.size() == AppGameRecord::maxInputs)
        End(AppGameEnd::abandoned);
}

void AppGameRecorder::Append(AppInputKind kind, AppKeyPosition position, AppPoint cell) {
    if (recording_)
        record_.inputs.push_back({steps_, kind, position, cell});
}

void AppGameRecorder::End(AppGameEnd how) {
    record_.end = AppGameEnding{steps_, how, game_.Score(), game_.Phase(),
                                AppGameChecksum::Field(game_.Field())};
    recording_ = false;
}

void AppGameRecorder::NoteGameOver() {
    if (recording_ && game_.State() == stGameOver)
        End(AppGameEnd::gameOver);
}
