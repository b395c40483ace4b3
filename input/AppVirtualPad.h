// A game pad made inside the program and pressed by code, for tests and measurements.
#pragma once

#include "AppSdlLibrary.h"

class AppGamepad;

// SDL's virtual joystick with the buttons and axes of a game controller in SDL's own order,
// so its buttons are SDL_CONTROLLER_BUTTON_* and its axes SDL_CONTROLLER_AXIS_*. The gamepad
// sees it at its next Poll.
class AppVirtualPad {
public:
    // Starts the gamepad's SDL, which must be loadable, and plugs the pad in.
    explicit AppVirtualPad(AppGamepad& gamepad);
    AppVirtualPad(const AppVirtualPad&) = delete;
    AppVirtualPad& operator=(const AppVirtualPad&) = delete;
    ~AppVirtualPad();

    bool Plugged() const { return joystick_ != nullptr; }
    void Plug();
    void Unplug();
    // False for a button or axis the pad does not have, as SDL answers.
    bool Press(int button, bool down);
    bool Tilt(int axis, int value);

private:
    const AppSdlLibrary::Controllers* controllers_ = nullptr;
    SDL_Joystick* joystick_ = nullptr;
};
