// The SDL library, loaded when first needed instead of linked, so the window opens without it.
#include "AppSdlLibrary.h"

#include <dlfcn.h>

#include <mutex>
#include <optional>

namespace {

template <typename Function> bool Resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

std::optional<AppSdlLibrary::Controllers> ResolveControllers(void* handle) {
    AppSdlLibrary::Controllers c;
    const bool complete =
        Resolve(handle, "SDL_PumpEvents", c.PumpEvents) &&
        Resolve(handle, "SDL_PeepEvents", c.PeepEvents) &&
        Resolve(handle, "SDL_NumJoysticks", c.NumJoysticks) &&
        Resolve(handle, "SDL_IsGameController", c.IsGameController) &&
        Resolve(handle, "SDL_JoystickPathForIndex", c.JoystickPathForIndex) &&
        Resolve(handle, "SDL_JoystickGetDeviceInstanceID", c.JoystickGetDeviceInstanceID) &&
        Resolve(handle, "SDL_GameControllerOpen", c.GameControllerOpen) &&
        Resolve(handle, "SDL_GameControllerClose", c.GameControllerClose) &&
        Resolve(handle, "SDL_JoystickAttachVirtualEx", c.JoystickAttachVirtualEx) &&
        Resolve(handle, "SDL_JoystickDetachVirtual", c.JoystickDetachVirtual) &&
        Resolve(handle, "SDL_JoystickOpen", c.JoystickOpen) &&
        Resolve(handle, "SDL_JoystickClose", c.JoystickClose) &&
        Resolve(handle, "SDL_JoystickInstanceID", c.JoystickInstanceID) &&
        Resolve(handle, "SDL_JoystickSetVirtualButton", c.JoystickSetVirtualButton) &&
        Resolve(handle, "SDL_JoystickSetVirtualAxis", c.JoystickSetVirtualAxis);
    if (!complete)
        return std::nullopt;
    return c;
}

std::mutex startLock;

struct Loaded {
    std::optional<AppSdlLibrary> library;
    std::string problem;
};

Loaded LoadOnce() {
    Loaded loaded;
    void* handle = dlopen(AppSdlLibrary::fileName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        loaded.problem = dlerror();
        return loaded;
    }
    AppSdlLibrary sdl;
    const bool complete = Resolve(handle, "SDL_SetHint", sdl.SetHint) &&
                          Resolve(handle, "SDL_GetError", sdl.GetError) &&
                          Resolve(handle, "SDL_InitSubSystem", sdl.InitSubSystem) &&
                          Resolve(handle, "SDL_QuitSubSystem", sdl.QuitSubSystem) &&
                          Resolve(handle, "SDL_WasInit", sdl.WasInit) &&
                          Resolve(handle, "SDL_OpenAudioDevice", sdl.OpenAudioDevice) &&
                          Resolve(handle, "SDL_PauseAudioDevice", sdl.PauseAudioDevice) &&
                          Resolve(handle, "SDL_CloseAudioDevice", sdl.CloseAudioDevice) &&
                          Resolve(handle, "SDL_RWFromConstMem", sdl.RWFromConstMem) &&
                          Resolve(handle, "SDL_LoadWAV_RW", sdl.LoadWAV_RW) &&
                          Resolve(handle, "SDL_FreeWAV", sdl.FreeWAV) &&
                          Resolve(handle, "SDL_BuildAudioCVT", sdl.BuildAudioCVT) &&
                          Resolve(handle, "SDL_ConvertAudio", sdl.ConvertAudio);
    if (!complete) {
        loaded.problem = dlerror();
        // Not closed: a library once loaded may have started threads of its own.
        return loaded;
    }
    // By default SDL installs its own SIGINT and SIGTERM handlers, after which the program
    // could no longer be interrupted from the terminal. Set before any subsystem starts.
    sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Pads are read through the kernel's event devices only: each then has a node the window
    // can wait on, where the raw HID path would stream reports many times a second at rest.
    sdl.SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    // The face buttons are known by their place on the pad, whatever letters it wears.
    sdl.SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    sdl.controllers = ResolveControllers(handle);
    loaded.library = sdl;
    return loaded;
}

const Loaded& Instance() {
    static const Loaded loaded = LoadOnce();
    return loaded;
}

} // namespace

const AppSdlLibrary* AppSdlLibrary::Load() {
    const Loaded& loaded = Instance();
    return loaded.library ? &*loaded.library : nullptr;
}

bool AppSdlLibrary::Start(Uint32 subsystems) const {
    const std::lock_guard<std::mutex> lock(startLock);
    return InitSubSystem(subsystems) == 0;
}

void AppSdlLibrary::Stop(Uint32 subsystems) const {
    const std::lock_guard<std::mutex> lock(startLock);
    QuitSubSystem(subsystems);
}

std::string AppSdlLibrary::Problem() {
    return Instance().problem;
}

bool AppSdlLibrary::IsLoaded() {
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}
