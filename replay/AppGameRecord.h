// A recorded game: its number, its play options, its rules version and the player's inputs.
#pragma once

#include "AppKeyPosition.h"
#include "AppPoint.h"
#include "AppRules.h"

#include "AppOptionFields.h"
#include "AppPlayOptions.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class AppInputKind : std::uint8_t {
    key,    // a key of the given position pressed over the given cell
    launch, // the left click that launched the standing ball
    pause,  // the player paused the game
    resume, // and went on
};

// One input, with the count of the game's steps that ran before it (from New, standing
// steps included). No step runs while the game is paused.
struct AppGameInput {
    std::uint32_t step = 0;
    AppInputKind kind = AppInputKind::key;
    AppKeyPosition position = AppKeyPosition::none;
    AppPoint cell;

    friend bool operator==(const AppGameInput&, const AppGameInput&) = default;
};

enum class AppGameEnd : std::uint8_t {
    gameOver,  // the ball ran into an obstacle, or one was shoved onto it
    abandoned, // New, other options or the end of a recording left it in play
};

// How and when the game ended, and what it left: what a replay must reproduce.
struct AppGameEnding {
    std::uint32_t step = 0;
    AppGameEnd how = AppGameEnd::gameOver;
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::uint64_t fieldChecksum = 0;

    friend bool operator==(const AppGameEnding&, const AppGameEnding&) = default;
};

struct AppGameRecord {
    // Bounds of what a record holds. A game that would go past them goes on unrecorded
    // (see AppGameRecorder); a file that does is refused before a step of it is played, so
    // that no file can hold a check or a start for longer than playing a day takes. The
    // steps are a day of play at the fastest speed: 86,400,000 ms / 10 ms = 8,640,000.
    static constexpr std::int32_t fastestSpeedMs = [] {
        for (const AppOptionField<AppPlayOptions>& field : AppOptionTable<AppPlayOptions>::fields)
            if (field.integer == &AppPlayOptions::Speed)
                return field.low;
        return 0;
    }();
    static constexpr std::uint32_t maxSteps = 24 * 60 * 60 * 1000 / fastestSpeedMs;
    static constexpr std::size_t maxInputs = 1'000'000;

    std::uint32_t number = 0;
    AppPlayOptions options;
    std::int32_t rulesVersion = appRulesVersion;
    std::vector<AppGameInput> inputs;
    // None while the game is in play.
    std::optional<AppGameEnding> end;

    friend bool operator==(const AppGameRecord&, const AppGameRecord&) = default;
};
