// The SDL library, loaded when first needed instead of linked, so the window opens without it.
#pragma once

#include <SDL.h>

#include <optional>
#include <string>

// The functions the program calls, resolved once from the loaded library. Sound uses the
// audio subsystem; other users start their own subsystems on the same library, which counts
// the starts of each.
struct AppSdlLibrary {
    // The name the library is loaded by: its runtime package's.
    static constexpr const char* fileName = "libSDL2-2.0.so.0";

    // Loads the library on the first call, from any thread, and keeps it for the rest of the
    // run. Null when it cannot be loaded or lacks a function; Problem() then says why.
    static const AppSdlLibrary* Load();
    static std::string Problem();
    // True when the library is in this process, whoever loaded it.
    static bool IsLoaded();

    // Start and stop subsystems. Sound starts its own on a thread of its own while the
    // window may start another, and SDL does not guard its counts of the starts.
    bool Start(Uint32 subsystems) const;
    void Stop(Uint32 subsystems) const;

    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_WasInit) WasInit = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;

    // The game controller functions, which need SDL 2.24 or later; sound plays without them.
    // The virtual ones make a pad inside the program, for tests and measurements.
    struct Controllers {
        decltype(&SDL_PumpEvents) PumpEvents = nullptr;
        decltype(&SDL_PeepEvents) PeepEvents = nullptr;
        decltype(&SDL_NumJoysticks) NumJoysticks = nullptr;
        decltype(&SDL_IsGameController) IsGameController = nullptr;
        decltype(&SDL_JoystickPathForIndex) JoystickPathForIndex = nullptr;
        decltype(&SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID = nullptr;
        decltype(&SDL_GameControllerOpen) GameControllerOpen = nullptr;
        decltype(&SDL_GameControllerClose) GameControllerClose = nullptr;
        decltype(&SDL_JoystickAttachVirtualEx) JoystickAttachVirtualEx = nullptr;
        decltype(&SDL_JoystickDetachVirtual) JoystickDetachVirtual = nullptr;
        decltype(&SDL_JoystickOpen) JoystickOpen = nullptr;
        decltype(&SDL_JoystickClose) JoystickClose = nullptr;
        decltype(&SDL_JoystickInstanceID) JoystickInstanceID = nullptr;
        decltype(&SDL_JoystickSetVirtualButton) JoystickSetVirtualButton = nullptr;
        decltype(&SDL_JoystickSetVirtualAxis) JoystickSetVirtualAxis = nullptr;
    };
    std::optional<Controllers> controllers;
};
