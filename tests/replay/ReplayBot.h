// A player for recorded test games: steers onto paddles, shoves obstacles, ends as told.
#pragma once

#include "AppGameRecorder.h"

#include <cstdint>
#include <optional>

// The bot plays through a recorder as a player would, one period at a time, and decides
// with a random source of its own so that the game's draws stay the game's. It puts a
// paddle where the ball's line crosses a fresh paddle's row or column, shoves the obstacle
// in the ball's way aside, shoves others about, drops a stray paddle now and then and
// pauses now and then. Once past its plan's step and phase it seeks its ending.
class ReplayBot {
public:
    enum class Ending { runInto, shoveOntoBall, abandon };
    struct Plan {
        Ending ending = Ending::runInto;
        std::uint32_t seekAfter = 0; // steps
        int seekFromPhase = 1;
        int standingSteps = 0; // before the launch
    };

    ReplayBot(AppGameRecorder& recorder, std::uint64_t seed, Plan plan)
        : recorder_(recorder), game_(recorder.Game()), random_(seed), plan_(plan) {}

    // One period: the bot's inputs, then a step. False once the game's record has ended.
    bool Play();

private:
    bool Seeking() const;
    // A paddle where the ball's line crosses the row or column of a cell holding `code`;
    // false when no such cell helps.
    bool SteerTowards(int code);
    // The ball's cell `ahead` cells on along its line.
    AppPoint Ahead(int ahead) const;
    void KeepOffObstacles();
    void ShoveSomeObstacle();
    bool ShoveOntoBall();
    // Presses a key of `position` over `cell`, unless it would shove an obstacle onto the ball.
    void Press(AppKeyPosition position, AppPoint cell);

    AppGameRecorder& recorder_;
    AppGame& game_;
    AppRandom random_;
    Plan plan_;
};
