// One SDL audio output, opened on a thread of its own while sound plays and closed in silence.
#include "AppAudioDevice.h"

#include <cstring>

#include <dlfcn.h>

namespace {

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// On a machine without a sound card ALSA prints a screenful of diagnostics to stderr
// while SDL probes it; a game without sound should stay quiet instead. The library is
// left open for the rest of the run so the quiet handler stays in place.
void SilenceAlsaMessages() {
    static const bool silenced = [] {
        void* alsa = dlopen("libasound.so.2", RTLD_LAZY);
        if (alsa == nullptr) {
            return false;
        }
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        const auto setHandler =
            reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        return setHandler != nullptr && setHandler(&IgnoreAlsaMessage) == 0;
    }();
    static_cast<void>(silenced);
}

} // namespace

AppAudioDevice::AppAudioDevice(int soundCount, std::chrono::milliseconds silenceBeforeClose)
    : silentFramesBeforeClose(static_cast<std::size_t>(silenceBeforeClose.count()) *
                              AppSoundMixer::frequency / 1000),
      mixer(soundCount) {
    // By default SDL installs its own SIGINT and SIGTERM handlers, after which the
    // program could no longer be interrupted from the terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SilenceAlsaMessages();
    audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    // Opened once here to learn whether there is an output at all; from then on it is
    // opened and closed on its own thread.
    device = audioStarted ? Open() : 0;
    if (device == 0) {
        qCWarning(soundLog, "no audio output (%s): the game plays without sound", SDL_GetError());
        return;
    }
    available = true;
    wantOpen = true;
    SDL_PauseAudioDevice(device, 0);
    outputThread = std::thread(&AppAudioDevice::Run, this);
}

AppAudioDevice::~AppAudioDevice() {
    if (outputThread.joinable()) {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            // Silent before the output closes, as at any other stop.
            mixer.Stop();
            quit = true;
        }
        changed.notify_one();
        // The thread closes the output, which waits for a running callback, so no
        // sound is read after this.
        outputThread.join();
    }
    if (audioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool AppAudioDevice::IsOutputOpen() const {
    const std::lock_guard<std::mutex> lock(mutex);
    return device != 0;
}

SDL_AudioDeviceID AppAudioDevice::Open() {
    SDL_AudioSpec wanted{};
    wanted.freq = AppSoundMixer::frequency;
    wanted.format = AppSoundMixer::format;
    wanted.channels = AppSoundMixer::channels;
    wanted.samples = bufferFrames;
    wanted.callback = &AppAudioDevice::Callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL adapts to the hardware itself, so the sounds converted
    // to the format above are always what the callback must deliver.
    return SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
}

void AppAudioDevice::Run() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return quit || wantOpen != (device != 0); });
        if (quit) {
            break;
        }
        // SDL's own calls wait for the callback, which takes the lock: never hold it there.
        if (wantOpen) {
            lock.unlock();
            const SDL_AudioDeviceID opened = Open();
            lock.lock();
            device = opened;
            if (opened == 0) {
                // The output went away: this sound is lost, the next one tries again.
                if (!openFailed) {
                    qCWarning(soundLog, "the audio output cannot open (%s): silent until it can",
                              SDL_GetError());
                }
                openFailed = true;
                wantOpen = false;
                mixer.Stop();
                continue;
            }
            openFailed = false;
            lock.unlock();
            SDL_PauseAudioDevice(opened, 0);
            lock.lock();
        } else {
            const SDL_AudioDeviceID open = device;
            closing = true;
            lock.unlock();
            SDL_CloseAudioDevice(open);
            lock.lock();
            closing = false;
            device = 0;
        }
    }
    const SDL_AudioDeviceID open = device;
    closing = true;
    lock.unlock();
    if (open != 0) {
        SDL_CloseAudioDevice(open);
    }
}

bool AppAudioDevice::SetSound(int id, const void* image, std::size_t size) {
    if (!available) {
        return false;
    }
    std::vector<Uint8> samples = AppSoundMixer::Decode(image, size);
    const bool decoded = !samples.empty();
    const std::lock_guard<std::mutex> lock(mutex);
    mixer.SetSound(id, std::move(samples));
    return decoded;
}

void AppAudioDevice::Play(int id) {
    if (!available) {
        return;
    }
    bool openNow = false;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        silentFrames = 0;
        openNow = mixer.Start(id) && !wantOpen;
        if (openNow) {
            wantOpen = true;
        }
    }
    if (openNow) {
        changed.notify_one();
    }
}

void AppAudioDevice::Stop() {
    const std::lock_guard<std::mutex> lock(mutex);
    mixer.Stop();
    silentFrames = 0;
}

void SDLCALL AppAudioDevice::Callback(void* userdata, Uint8* stream, int len) {
    static_cast<AppAudioDevice*>(userdata)->Fill(stream, static_cast<std::size_t>(len));
}

void AppAudioDevice::Fill(Uint8* stream, std::size_t len) {
    bool closeNow = false;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        std::size_t copied = 0;
        if (closing) {
            std::memset(stream, 0, len);
        } else {
            copied = mixer.Fill(stream, len);
        }
        if (!mixer.IsPlaying() && wantOpen) {
            silentFrames += (len - copied) / AppSoundMixer::frameBytes;
            closeNow = silentFrames >= silentFramesBeforeClose;
            if (closeNow) {
                wantOpen = false;
            }
        }
    }
    if (closeNow) {
        changed.notify_one();
    }
}
