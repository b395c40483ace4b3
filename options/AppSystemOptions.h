// Sound, window stacking, pausing and what is restored at start; never compared.
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
};
