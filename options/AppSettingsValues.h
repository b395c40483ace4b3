// The values kept in the settings file, and their reading from and writing to it.
#pragma once

#include "AppBoardOptions.h"
#include "AppDisplayOptions.h"
#include "AppIniFile.h"
#include "AppKeyOptions.h"
#include "AppPlayOptions.h"
#include "AppSystemOptions.h"
#include "AppViewOptions.h"

#include <cstdint>

// Section "Settings" holds four keys, each a comma list (see SplitCommaList):
// one per option record, named and filled as the record's AppOptionTable says,
// and "Others" with recordScore, recordPhase, left and top; after them, a key
// for each field the tables give a key of its own (PauseWhenInactive, KeyboardCursor,
// then Zoom, FullScreen, Look and ScoreLine), then "Keys", the physical codes of sets 1 and 2
// (see AppKeyOptions::Item), "PointScored", the board's BoardAddress, BoardName and BoardSend,
// and last the window's size and whether it is maximised, a key each (WindowWidth, WindowHeight,
// WindowMaximized). Integers are written in signed decimal, booleans as "1" and "0", texts as
// they are.
struct AppSettingsValues {
    AppPlayOptions play;
    AppViewOptions view;
    AppSystemOptions system;
    AppDisplayOptions display;
    AppKeyOptions keys;
    AppBoardOptions board;
    std::int32_t recordScore = 0;
    std::int32_t recordPhase = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    // A point was ever scored in the player's games: the score line stops naming the keys.
    bool pointScored = false;
    // The window's size when neither maximised nor full screen; 0 for none kept.
    std::int32_t width = 0;
    std::int32_t height = 0;
    // 1 when the window is maximised.
    std::int32_t maximized = 0;
};

// Reads the keys into `working`, which the caller has filled with the
// values to keep for whatever is not read (defaults, record 0 in phase 0, the
// window's present left and top). Per key:
//  - fewer items than the key has fields: the key is ignored; more: the extra
//    items are ignored;
//  - an integer item is an optional '-' or '+' and one or more decimal digits,
//    in the signed 32-bit range; nothing else (no blanks, no hexadecimal);
//  - a boolean item is false when it is exactly "0" and true otherwise;
//  - the first integer item that is not an integer ends all reading: fields
//    read before it keep their new values, the rest keep those of `working`;
//  - a key of its own is read last, as a list of one item; an integer there
//    that is no integer or lies outside its range keeps the working value and
//    does not end the reading.
// "Keys" is read whole or not at all (AppKeyOptions::FromItem). "PointScored" is "1" or "0";
// missing or anything else, it is whether the record read is above 0. A board text its record
// does not accept keeps the working value. The window's keys are read like keys of their own: a
// size from 0 to windowSizeMost, maximised 0 or 1; anything else keeps the working value.
// ClearRecordNow is set false.
// Finally the play and view options are bounded to their valid ranges, since the game and the
// window size rely on them; the record and the window position are left as read.
void ReadSettingsValues(const AppIniFile& ini, AppSettingsValues& working);
constexpr std::int32_t windowSizeMost = 32767;

// Writes the keys into section "Settings" in the order PlayOptions,
// ViewOptions, SystemOptions, Others, then the keys of their own (the system
// options' first, then the display options', then "Keys", "PointScored", the board's, then the
// window's). The caller
// saves the file.
void WriteSettingsValues(AppIniFile& ini, const AppSettingsValues& values);
