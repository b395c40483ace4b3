// The one text format of recorded and saved games: its writer and its one strict reader.
#pragma once

#include "AppGameRecord.h"
#include "AppSavedGame.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A file is lines ending in a line feed, fields separated by one blank:
//
//   zingaroo game 1                     the format and its version (2 for a saved game)
//   rules 1                             the rules version the game was played under
//   number 48213377                     the game's number
//   options 24,18,6,6,60,160,1          the play options, as in the settings file
//   launch 37                           inputs, each after the steps run before it:
//   key 52 4 14 9                         a key's position (1 to 4) and cell (x y)
//   pause 80                              pause and resume (no step runs between them)
//   resume 80
//   end 412 gameover 17 3 5f0c2b9e1d3a7c44
//
// A finished game ends with its end line: its steps, "gameover" or "abandoned", the
// score, the phase and the field's checksum. A saved game in play ends instead with
//
//   saved 230 1 81234 0 9a3c5f0c2b9e1d3a
//
// its steps, paused (1) or not (0), the time in play in milliseconds, the ball's tile
// last shown (0 or 6) and the checksum of the whole state mixed with the line's other
// fields, so that a change to any field of the line shows when the game is resumed. A
// saved game of version 1 holds the state's checksum alone and is still read. Anything else,
// anything out of range or out of order, a later version and a file cut short are refused with a
// reason of one line; nothing is guessed or mended.
class AppGameFile {
public:
    // The latest format, which saved games are written in. A finished game is written in
    // version 1, which reads the same, so that recorded games stay readable by older copies.
    static constexpr int version = 2;
    static constexpr int recordVersion = 1;
    static constexpr std::size_t maxBytes = 32u << 20;
    static constexpr std::int64_t maxPlayMs = 1'000'000'000'000;
    // The start of the reason given for a record that claims more steps than
    // AppGameRecord::maxSteps, so that a caller can tell it from other damage.
    static constexpr std::string_view overLongReason = "longer than a day of play";

    static std::string Text(const AppGameRecord& record);
    static std::string Text(const AppSavedGame& saved);

    // A finished game. Nothing, with the reason, for anything else.
    static std::optional<AppGameRecord> ReadRecord(std::string_view text, std::string& reason);
    // A saved game in play. Nothing, with the reason, for anything else.
    static std::optional<AppSavedGame> ReadSaved(std::string_view text, std::string& reason);
    // The play options as the options line lists them, every field in its range; nothing
    // for anything else.
    static std::optional<AppPlayOptions> ReadOptions(std::string_view list);
};
