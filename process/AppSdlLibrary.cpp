// The SDL library, loaded when first needed instead of linked, so the window opens without it.
#include "AppSdlLibrary.h"

#include <dlfcn.h>

#include <optional>

namespace {

template <typename Function> bool Resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

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
