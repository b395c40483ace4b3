// The game itself: state, ball, counters, live play and view options, rules and input decisions.
#pragma once

#include "AppField.h"
#include "AppGameTexts.h"
#include "AppGameView.h"
#include "AppMouseButton.h"
#include "AppPlayer.h"
#include "AppPoint.h"
#include "AppRandom.h"
#include "AppState.h"

#include "AppPlayOptions.h"
#include "AppViewOptions.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

// Virtual-key codes of the keys the game reacts to; letters are their
// upper-case character codes.
namespace AppKey {
inline constexpr int Left = 37;
inline constexpr int Right = 39;
inline constexpr int F = 70;
inline constexpr int J = 74;
inline constexpr int L = 76;
inline constexpr int O = 79;
inline constexpr int R = 82;
inline constexpr int S = 83;
inline constexpr int U = 85;
inline constexpr int W = 87;
} // namespace AppKey

class AppGame {
public:
    // The random source and the view belong to the owner and outlive the game.
    AppGame(AppRandom& random, AppGameView& view);
    AppGame(const AppGame&) = delete;
    AppGame& operator=(const AppGame&) = delete;
    ~AppGame();

    // The owner makes and frees the field at the points of its own order.
    void CreateField();
    void DestroyField();
    bool HasField() const { return field_ != nullptr; }
    AppField& Field() { return *field_; }
    const AppField& Field() const { return *field_; }

    AppState State() const { return state_; }
    void SetState(AppState state);
    void Step();
    void LayOutPhase();
    int RandomOtherColumn(int column);
    int RandomOtherRow(int row);

    std::string StateText() const;
    std::string ScoreText() const;
    std::string RecordText() const;
    // The words of the three texts above, in the player's language.
    void SetTexts(AppGameTexts texts) { texts_ = std::move(texts); }

    // Live options. Values are bounded to their valid ranges on the way in,
    // so nothing the rules divide by or allocate from is ever out of range.
    // The rules and keys keep to the field's own size, which the set-up state
    // takes from Width and Height: a new Width or Height that arrives during a
    // game acts only from the next set-up, and never points outside the field.
    const AppPlayOptions& PlayOptions() const { return playOptions_; }
    const AppViewOptions& ViewOptions() const { return viewOptions_; }
    void SetPlayOptions(const AppPlayOptions& options);
    void SetViewOptions(const AppViewOptions& options);

    // Input decisions. clientPixel is the pointer in client coordinates at
    // the moment of the key press, or nothing when it could not be read.
    void FormMouseDown(AppMouseButton button);
    void FormKeyDown(int keyCode, std::optional<AppPoint> clientPixel);
    AppPoint PixelToCell(AppPoint pixel) const;

    AppPlayer ball;
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::int32_t recordScore = 0;
    std::int32_t recordPhase = 0;
    std::int32_t paddleQuota = 0;
    std::int32_t sweeperQuota = 0;

private:
    void EnterPlaying();
    void EnterGameOver();
    int KeyPosition(int keyCode) const;
    void ShoveObstacle(int x, int y, int toX);

    AppRandom& random_;
    AppGameView& view_;
    AppState state_ = stNone;
    std::unique_ptr<AppField> field_;
    AppPlayOptions playOptions_;
    AppViewOptions viewOptions_;
    AppGameTexts texts_;
};
