// One finished game as the scores file keeps it, and the one reader and writer of its line.
#pragma once

#include "AppBoardAnswer.h"
#include "AppPlayOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A line of the scores file holds one game, its fields parted by single spaces:
//
//   2026-12-09T03:25:58Z #48213377 24,18,6,6,60,160,1 40 3 125 Alice Smith
//
// the end of the game in UTC, the game's number after '#', the seven play
// values as the settings file writes them (UseSweeper as 1 or 0), the score,
// the phase, the length from launch to game over in whole seconds, and the
// player's name, which runs to the end of the line and may hold blanks. The
// first line of the file names the format and its version.
//
// Version 2 added the number; a game without one (from version 1) is written
// without it, as version 1 wrote it. Version 3 added what the board answered to
// a day's game sent to it, after the name and a tab (see AppBoardAnswer), which
// a name never holds; a game the board never answered is written as before. A reader of version 1
// takes a line with a number for a damaged line, so it never shows the number as part of a name;
// and it writes nothing to a file of a later version, so it loses no line.
class AppScoreGame {
public:
    AppScoreGame() = default;

    // The same game, whatever the board answered: an answer arriving while the player names
    // the game must not make the name miss it.
    friend bool operator==(const AppScoreGame& a, const AppScoreGame& b) {
        return a.endTime == b.endTime && a.number == b.number && a.rules == b.rules &&
               a.score == b.score && a.phase == b.phase && a.lengthSeconds == b.lengthSeconds &&
               a.name == b.name;
    }

    static constexpr int formatVersion = 3;
    // The version line, without its line feed.
    static std::string VersionLine();
    // The version a line names, or nothing when it is no version line.
    static std::optional<int> ParseVersionLine(std::string_view line);

    // The game of a line (without its line feed), or nothing when the line is
    // damaged: a field missing or out of its range, a time that is no time.
    static std::optional<AppScoreGame> Parse(std::string_view line);
    // The line of this game, without its line feed: one Parse accepts, with
    // every value held to the range Parse reads.
    std::string Format() const;

    // The longest name, in characters, that the player can type or the file keeps.
    static constexpr std::size_t maxNameLength = 40;
    // A name as it can be kept on one line: control characters become blanks,
    // blanks around it go, and it is cut to maxNameLength characters (UTF-8
    // sequences are kept whole).
    static std::string CleanName(std::string_view name);

    // What names the game's replay file; empty for a game without a number.
    std::string ReplayId() const;
    // The name its replay is offered under when the player saves it: the end's UTC date,
    // the number and the score, as in "zingaroo-2026-12-09-48213377-40.zingaroo".
    std::string SharedFileName() const;

    std::int64_t endTime = 0; // seconds since 1970-01-01 UTC
    // The number that dealt the game; 0 for a game of version 1, which had none.
    std::uint32_t number = 0;
    AppPlayOptions rules;
    std::int32_t score = 0;
    std::int32_t phase = 1;
    std::int32_t lengthSeconds = 0;
    std::string name;
    std::optional<AppBoardAnswer> board;
};
