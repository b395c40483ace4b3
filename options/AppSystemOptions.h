// Sound, window stacking and what is restored at start; never compared.
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
};
