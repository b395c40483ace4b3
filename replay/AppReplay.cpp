// Plays a recorded game back step by step, and restores a saved game by playing it to its step.
#include "AppReplay.h"

#include "AppGameChecksum.h"
#include "AppNullFrontEnd.h"

namespace {

// While it lives the game draws and plays nothing, but takes the same course (see
// AppNullFrontEnd); then its own picture and sound are back.
class Unseen {
public:
    explicit Unseen(AppGame& game)
        : game_(game), picture_(game.Picture()), sound_(game.Sound()), none_(game) {
        game.SetPicture(none_);
        game.SetSound(none_);
    }
    Unseen(const Unseen&) = delete;
    Unseen& operator=(const Unseen&) = delete;
    ~Unseen() {
        game_.SetPicture(picture_);
        game_.SetSound(sound_);
    }

private:
    AppGame& game_;
    AppGamePicture& picture_;
    AppGameSound& sound_;
    AppNullFrontEnd none_;
};

std::string Describe(const AppGameEnding& end) {
    return std::string(end.how == AppGameEnd::gameOver ? "game over" : "abandoned") + " after " +
           std::to_string(end.step) + " steps with " + std::to_string(end.score) +
           " pt. in phase " + std::to_string(end.phase);
}

} // namespace

bool AppReplay::Stop(std::string reason) {
    stopped_ = true;
    reason_ = std::move(reason);
    return false;
}

bool AppReplay::Start() {
    if (record_.rulesVersion != appRulesVersion)
        return Stop("recorded under rules version " + std::to_string(record_.rulesVersion) +
                    "; this program plays version " + std::to_string(appRulesVersion));
    recorder_.New(record_.number, record_.options);
    ApplyDue();
    return !stopped_;
}

bool AppReplay::Advance() {
    if (stopped_)
        return false;
    // A record that leaves the game paused runs no further step.
    if (recorder_.Paused() || !recorder_.Recording())
        return Stop("the record goes on where the game cannot");
    recorder_.Step();
    ApplyDue();
    return !stopped_;
}

void AppReplay::ApplyDue() {
    const std::vector<AppGameInput>& inputs = record_.inputs;
    while (next_ < inputs.size() && inputs[next_].step <= recorder_.Steps()) {
        const AppGameInput& input = inputs[next_++];
        if (input.step < recorder_.Steps() || !Apply(input)) {
            Stop("input " + std::to_string(next_) + " at step " + std::to_string(input.step) +
                 " cannot act there: the game went otherwise");
            return;
        }
    }
    CheckEnd();
}

bool AppReplay::Apply(const AppGameInput& input) {
    switch (input.kind) {
    case AppInputKind::key:
        return recorder_.KeyAtCell(input.position, input.cell);
    case AppInputKind::launch:
        return recorder_.MouseDown(AppMouseButton::Left);
    case AppInputKind::pause:
        return recorder_.SetPaused(true);
    case AppInputKind::resume:
        return recorder_.SetPaused(false);
    }
    return false;
}

void AppReplay::CheckEnd() {
    if (stopped_)
        return;
    const std::uint32_t steps = recorder_.Steps();
    const std::optional<AppGameEnding>& end = record_.end;
    const bool endDue = end && end->step == steps && next_ == record_.inputs.size();
    if (!recorder_.Recording()) {
        if (!endDue) {
            Stop("the game ended after " + std::to_string(steps) +
                 " steps, before the record's end");
            return;
        }
    } else if (!endDue) {
        return;
    } else if (end->how == AppGameEnd::abandoned) {
        recorder_.Abandon();
    }
    const std::optional<AppGameEnding>& played = recorder_.Record().end;
    if (!played || *played != *end)
        Stop("the record says " + Describe(*end) + ", the game went " +
             (played ? Describe(*played) : std::string("on")) +
             (played && played->fieldChecksum != end->fieldChecksum ? ", on another field" : ""));
    else
        Stop({});
}

AppReplayOutcome AppReplay::Play(const AppGameRecord& record) {
    AppReplayOutcome outcome;
    if (!record.end) {
        outcome.reason = "the record has no end";
        return outcome;
    }
    AppRandom random;
    AppGame game(random);
    game.CreateField();
    AppGameRecorder recorder(game, random);
    AppReplay replay(recorder, record);
    if (replay.Start())
        while (replay.Advance()) {
        }
    outcome.finished = replay.Finished();
    outcome.reason = replay.Reason();
    outcome.steps = recorder.Steps();
    outcome.score = game.Score();
    outcome.phase = game.Phase();
    outcome.fieldChecksum = AppGameChecksum::Field(game.Field());
    outcome.stateChecksum = AppGameChecksum::State(game, random);
    outcome.randomState = random.State();
    outcome.record = recorder.Record();
    return outcome;
}

std::string AppReplay::Restore(AppGameRecorder& recorder, const AppSavedGame& saved) {
    AppGame& game = recorder.Game();
    const AppPlayOptions before = game.PlayOptions();
    std::string reason;
    if (saved.record.rulesVersion != appRulesVersion) {
        reason = "saved under rules version " + std::to_string(saved.record.rulesVersion) +
                 "; this program plays version " + std::to_string(appRulesVersion);
    } else {
        // The picture and the field are sized to the game's own options in view; the
        // game is then played to its step unseen.
        game.SetPlayOptions(saved.record.options);
        game.SetState(stSetup);
        Unseen unseen(game);
        AppReplay replay(recorder, saved.record);
        if (replay.Start())
            while (replay.Steps() < saved.steps && replay.Advance()) {
            }
        if (replay.Stopped() || !recorder.Recording() || replay.Steps() != saved.steps)
            reason = "it does not play back: " +
                     (replay.Reason().empty() ? std::string("the game ended") : replay.Reason());
        else if (game.BallSprite() != saved.ballSprite ||
                 AppGameChecksum::State(game, recorder.Random()) != saved.stateChecksum)
            reason = "it plays back to another state than the one saved";
    }
    if (!reason.empty()) {
        recorder.Abandon();
        game.SetPlayOptions(before);
        game.SetState(stSetup);
    }
    return reason;
}
