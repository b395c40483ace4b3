// One SDL audio output that plays, from memory, one decoded sound at a time.
#include "AppAudioDevice.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

#include <dlfcn.h>

namespace {

// Decoding may need a working buffer several times the decoded size (resampling and
// widening happen in place); a sound that would need more than this is not kept.
constexpr std::size_t maxWorkBytes = 32u * 1024u * 1024u;

struct WaveFree {
    void operator()(Uint8* wave) const { SDL_FreeWAV(wave); }
};

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
    : silentFramesBeforeClose(static_cast<std::size_t>(silenceBeforeClose.count()) * frequency /
                              1000),
      sounds(static_cast<std::size_t>(soundCount)) {
    // By default SDL installs its own SIGINT and SIGTERM handlers, after which the
    // program could no longer be interrupted from the terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SilenceAlsaMessages();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    audioStarted = true;
    // Opened once here to learn whether there is an output at all; from then on it is
    // opened and closed on its own thread.
    device = Open();
    if (device == 0) {
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
    wanted.freq = frequency;
    wanted.format = format;
    wanted.channels = channels;
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
                wantOpen = false;
                current = nullptr;
                continue;
            }
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

void AppAudioDevice::SetSound(int id, const void* image, std::size_t size) {
    if (id < 0 || static_cast<std::size_t>(id) >= sounds.size() || !available) {
        return;
    }
    std::vector<Uint8> decoded = Decode(image, size);
    const std::lock_guard<std::mutex> lock(mutex);
    if (current == &sounds[static_cast<std::size_t>(id)]) {
        current = nullptr;
        position = 0;
    }
    sounds[static_cast<std::size_t>(id)] = std::move(decoded);
}

void AppAudioDevice::Play(int id) {
    if (id < 0 || static_cast<std::size_t>(id) >= sounds.size() || !available) {
        return;
    }
    const std::vector<Uint8>& sound = sounds[static_cast<std::size_t>(id)];
    bool openNow = false;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        // A sound that could not be decoded still cuts off the one before: the output
        // falls silent rather than going on with an older sound.
        current = sound.empty() ? nullptr : &sound;
        position = 0;
        silentFrames = 0;
        openNow = current != nullptr && !wantOpen;
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
    current = nullptr;
    position = 0;
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
        if (current != nullptr && !closing) {
            copied = std::min(len, current->size() - position);
            std::memcpy(stream, current->data() + position, copied);
            position += copied;
            if (position >= current->size()) {
                current = nullptr;
                position = 0;
            }
        }
        // Signed 16-bit silence is all zero bytes.
        std::memset(stream + copied, 0, len - copied);
        if (current == nullptr && wantOpen) {
            silentFrames += (len - copied) / (channels * sizeof(Sint16));
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

std::vector<Uint8> AppAudioDevice::Decode(const void* image, std::size_t size) {
    if (image == nullptr || size == 0 || size > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    SDL_RWops* stream = SDL_RWFromConstMem(image, static_cast<int>(size));
    if (stream == nullptr) {
        return {};
    }
    SDL_AudioSpec waveFormat{};
    Uint8* wave = nullptr;
    Uint32 waveBytes = 0;
    // Closes the stream whether or not decoding succeeds.
    if (SDL_LoadWAV_RW(stream, 1, &waveFormat, &wave, &waveBytes) == nullptr) {
        return {};
    }
    const std::unique_ptr<Uint8, WaveFree> waveOwner(wave);

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels,
                          static_cast<int>(waveFormat.freq), format, channels, frequency) < 0) {
        return {};
    }
    // Conversion works on whole frames only.
    const std::size_t frameBytes = SDL_AUDIO_BITSIZE(waveFormat.format) / 8u * waveFormat.channels;
    if (frameBytes == 0) {
        return {};
    }
    const std::size_t inputBytes = waveBytes - waveBytes % frameBytes;
    const std::size_t workBytes = inputBytes * static_cast<std::size_t>(cvt.len_mult);
    if (inputBytes == 0 || workBytes > maxWorkBytes) {
        return {};
    }
    std::vector<Uint8> samples(workBytes);
    std::memcpy(samples.data(), wave, inputBytes);
    if (cvt.needed != 0) {
        cvt.buf = samples.data();
        cvt.len = static_cast<int>(inputBytes);
        if (SDL_ConvertAudio(&cvt) != 0) {
            return {};
        }
        samples.resize(static_cast<std::size_t>(cvt.len_cvt));
    } else {
        samples.resize(inputBytes);
    }
    samples.shrink_to_fit();
    return samples;
}
