// The numbers of the game's three sounds.
#pragma once

enum AppSoundId : int {
    soundStart = 0,
    soundBounce = 1,
    soundClear = 2,
};

inline constexpr int appSoundCount = 3;
