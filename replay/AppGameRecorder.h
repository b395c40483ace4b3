// Passes steps and input to the game and records the game as it goes: the record, the saved game.
#pragma once

#include "AppGame.h"
#include "AppGameRecord.h"
#include "AppSavedGame.h"

#include <cstdint>
#include <optional>

// The owner calls the recorder instead of the game for every new game, step and input.
// Each call does what the game's own call does, and appends to the record only what acted:
// the launch, a key that reached the field, pause and resume; a step only counts. So a
// step costs the game's step and a counter, and nothing is allocated but an input's place.
//
// While paused, no step runs and no input acts. A game begun or set up without the
// recorder is played all the same but not recorded; so is the rest of a game that goes
// past a record's bounds (its record ends there, abandoned).
class AppGameRecorder {
public:
    // The game and its random source belong to the owner and outlive the recorder; the
    // game's field exists.
    AppGameRecorder(AppGame& game, AppRandom& random) : game_(game), random_(random) {}
    AppGameRecorder(const AppGameRecorder&) = delete;
    AppGameRecorder& operator=(const AppGameRecorder&) = delete;
    virtual ~AppGameRecorder() = default;

    AppGame& Game() { return game_; }
    AppRandom& Random() { return random_; }

    // Deals game `number` with `options` (the field set up again when its size changes):
    // the random source is seeded from the number, then the game starts. A game in play
    // is abandoned first.
    void New(std::uint32_t number, const AppPlayOptions& options);
    void Step();
    // On the title the left button starts a game numbered from the clock with the game's
    // options; on a standing ball it launches it. True when it did either.
    bool MouseDown(AppMouseButton button);
    // A key with the pointer at clientPixel (nothing when it could not be read); true when
    // it reached the field.
    bool KeyDown(int keyCode, std::optional<AppPoint> clientPixel);
    bool KeyAtCell(AppKeyPosition position, AppPoint cell);
    // A pause holds only a game in play. True when the pause changed.
    bool SetPaused(bool paused);
    // Ends the record of a game in play, as abandoned: call before anything else leaves
    // the game (other options, a replay).
    void Abandon();

    // A game in play is being recorded.
    bool Recording() const { return recording_; }
    bool Paused() const { return paused_; }
    // Steps run since New.
    std::uint32_t Steps() const { return steps_; }
    // The current or last game's record; it ends once the game has.
    const AppGameRecord& Record() const { return record_; }
    // The game in play, to resume later; nothing when no game is being recorded.
    std::optional<AppSavedGame> Save(std::int64_t playMs) const;

private:
    void MakeRoom();
    void Append(AppInputKind kind, AppKeyPosition position = AppKeyPosition::none,
                AppPoint cell = {});
    void End(AppGameEnd how);
    // After an input or a step: a game that has just ended ends its record.
    void NoteGameOver();

    AppGame& game_;
    AppRandom& random_;
    AppGameRecord record_;
    std::uint32_t steps_ = 0;
    bool recording_ = false;
    bool paused_ = false;
};
