// Looks at whether SDL started, how many pads are open and whether a direction repeats.
#pragma once

#include "AppGamepad.h"

class AppGamepadTestPeer {
public:
    static bool SdlStarted(const AppGamepad& pad) { return pad.SdlStarted(); }
    static int PadCount(const AppGamepad& pad) { return pad.PadCount(); }
    static bool Repeating(const AppGamepad& pad) { return pad.Repeating(); }
};
