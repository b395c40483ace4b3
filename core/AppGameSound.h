// What the game asks of whoever plays its sounds.
#pragma once

#include "AppSoundId.h"

class AppGameSound {
public:
    virtual ~AppGameSound() = default;

    virtual void Play(AppSoundId id) = 0;
};
