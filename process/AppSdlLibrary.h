// The SDL library, loaded when first needed instead of linked, so the window opens without it.
#pragma once

#include <SDL.h>

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
};
