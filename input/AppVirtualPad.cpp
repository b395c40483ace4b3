// A game pad made inside the program and pressed by code, for tests and measurements.
#include "AppVirtualPad.h"

#include "AppGamepad.h"

AppVirtualPad::AppVirtualPad(AppGamepad& gamepad) {
    if (gamepad.StartSdl())
        controllers_ = &*AppSdlLibrary::Load()->controllers;
    Plug();
}

AppVirtualPad::~AppVirtualPad() {
    Unplug();
}

void AppVirtualPad::Plug() {
    if (controllers_ == nullptr || joystick_ != nullptr)
        return;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Zingaroo virtual pad";
    const int index = controllers_->JoystickAttachVirtualEx(&desc);
    if (index >= 0)
        joystick_ = controllers_->JoystickOpen(index);
}

void AppVirtualPad::Unplug() {
    if (joystick_ == nullptr)
        return;
    // Detached by its place in SDL's list, which changes as other devices come and go.
    const SDL_JoystickID id = controllers_->JoystickInstanceID(joystick_);
    for (int index = 0; index < controllers_->NumJoysticks(); ++index)
        if (controllers_->JoystickGetDeviceInstanceID(index) == id)
            controllers_->JoystickDetachVirtual(index);
    controllers_->JoystickClose(joystick_);
    joystick_ = nullptr;
}

bool AppVirtualPad::Press(int button, bool down) {
    return joystick_ != nullptr &&
           controllers_->JoystickSetVirtualButton(joystick_, button, down ? 1 : 0) == 0;
}

bool AppVirtualPad::Tilt(int axis, int value) {
    return joystick_ != nullptr &&
           controllers_->JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value)) == 0;
}
