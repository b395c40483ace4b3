// The game itself: state, ball, counters, live play and view options, rules and input decisions.
#pragma once

#include "AppField.h"
#include "AppGamePicture.h"
#include "AppGameSound.h"
#include "AppGameTexts.h"
#include "AppKeyPosition.h"
#include "AppMouseButton.h"
#include "AppNullFrontEnd.h"
#include "AppPlayer.h"
#include "AppPoint.h"
#include "AppRandom.h"
#include "AppState.h"

#include "AppPlayOptions.h"
#include "AppViewOptions.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// Codes of the keys the game reacts to: a letter is its upper-case character
// code, whatever the case typed; the two arrows have codes of their own.
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
    // The random source belongs to the owner and outlives the game.
    explicit AppGame(AppRandom& random);
    AppGame(const AppGame&) = delete;
    AppGame& operator=(const AppGame&) = delete;
    ~AppGame();

    // Who draws the game and who plays its sounds; until they are set the
    // game draws and plays nothing. Both belong to the owner and outlive
    // their use by the game.
    void SetPicture(AppGamePicture& picture) { picture_ = &picture; }
    void SetSound(AppGameSound& sound) { sound_ = &sound; }
    AppGamePicture& Picture() const { return *picture_; }
    AppGameSound& Sound() const { return *sound_; }

    // The owner makes and frees the field at the points of its own order.
    void CreateField();
    void DestroyField();
    AppField& Field() { return *field_; }
    const AppField& Field() const { return *field_; }

    AppState State() const { return state_; }
    void SetState(AppState state);
    // Called each time a game enters game over, after the record and the picture took it.
    void SetGameOverWatch(std::function<void()> watch) { gameOverWatch_ = std::move(watch); }
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
    static AppKeyPosition PositionOfKey(int keyCode);
    // A key of the given position pressed over a cell: every way of pointing (the mouse,
    // a recorded game) ends here. False when the key could not act: no game in play, the
    // ball not yet launched, no key of the game, or a cell off the field.
    bool KeyAtCell(AppKeyPosition position, AppPoint cell);

    // The tile the picture shows for a position: the ball's layer wins over the ground's,
    // and -1 is none. Painting the ball draws one number from the random source (closed
    // eyes when it is a multiple of 24) and remembers the tile; whoever paints the field,
    // a window or nothing at all, paints through SpriteAt, so that the numbers drawn never
    // depend on who watches. ShownSpriteAt draws nothing and gives the ball as last painted,
    // for showing a field again as it was.
    int SpriteAt(int x, int y);
    int ShownSpriteAt(int x, int y) const;
    int BallSprite() const { return ballSprite_; }
    static constexpr int ballSprite = 0;
    static constexpr int ballBlinkingSprite = 6;

    AppPlayer ball;

    // The counters, which the rules keep; the record is set from outside when it is restored
    // or cleared.
    std::int32_t Score() const { return score; }
    std::int32_t Phase() const { return phase; }
    std::int32_t RecordScore() const { return recordScore; }
    std::int32_t RecordPhase() const { return recordPhase; }
    std::int32_t PaddleQuota() const { return paddleQuota; }
    std::int32_t SweeperQuota() const { return sweeperQuota; }
    void SetRecord(std::int32_t newScore, std::int32_t newPhase);

private:
    // Sets the score and phase to arrange a game in tests.
    friend class AppGameTestPeer;
    void SetScore(std::int32_t newScore, std::int32_t newPhase);

    void EnterPlaying();
    void EnterGameOver();
    // The pieces of one step of a moving ball.
    AppPoint NextBallCell() const;
    void EnterGround(AppPoint cell);
    void Bounce(AppPoint cell, int turn);
    void PutElsewhere(AppPoint cell, int code);
    void MoveBall(AppPoint cell);
    void ClearPhase();
    int RandomPaddle();
    void ShoveObstacle(int x, int y, int toX);
    // The tile of one non-empty cell code; the ball's is the one last painted.
    int ShownSprite(int code) const;

    AppRandom& random_;
    AppNullFrontEnd none_{*this};
    AppGamePicture* picture_ = &none_;
    AppGameSound* sound_ = &none_;
    AppState state_ = stNone;
    std::unique_ptr<AppField> field_;
    AppPlayOptions playOptions_;
    AppViewOptions viewOptions_;
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::int32_t recordScore = 0;
    std::int32_t recordPhase = 0;
    std::int32_t paddleQuota = 0;
    std::int32_t sweeperQuota = 0;
    AppGameTexts texts_;
    int ballSprite_ = ballSprite;
    std::function<void()> gameOverWatch_;
};
