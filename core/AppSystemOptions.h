// Sound, stacking, pausing, the keyboard cursor and what is restored at start; never compared.
#pragma once

class AppSystemOptions {
public:
    AppSystemOptions() = default;
    AppSystemOptions(const AppSystemOptions&) = default;
    AppSystemOptions& operator=(const AppSystemOptions&) = default;
    virtual ~AppSystemOptions() = default;

    bool PlaySound = true;
    // One-shot request acted on when the options are accepted; never stored.
    bool ClearRecordNow = false;
    bool StayOnTop = false;
    bool RestoreRecord = true;
    bool RestoreWindowPosition = true;
    // A game in play pauses when the window is minimised or another program becomes active.
    bool PauseWhenInactive = false;
    // The arrow keys move a cursor cell, the game's keys act on it, Space and Enter start and
    // launch.
    bool KeyboardCursor = false;
};
