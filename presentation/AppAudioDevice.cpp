// One SDL audio output, opened on a thread of its own while sound plays and closed in silence.
#include "AppAudioDevice.h"

#include "AppSdlLibrary.h"

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
    : sdl_(AppSdlLibrary::Load()),
      silentFramesBeforeClose_(static_cast<std::size_t>(silenceBeforeClose.count()) *
                               AppSoundMixer::frequency / 1000),
      mixer_(soundCount) {
    if (sdl_ == nullptr) {
        qCWarning(soundLog, "no audio output (cannot load %s: %s): the game plays without sound",
                  AppSdlLibrary::fileName, AppSdlLibrary::Problem().c_str());
        return;
    }
    SilenceAlsaMessages();
    audioStarted_ = sdl_->Start(SDL_INIT_AUDIO);
    // Opened once here to learn whether there is an output at all; from then on it is
    // opened and closed on its own thread.
    device_ = audioStarted_ ? Open() : 0;
    if (device_ == 0) {
        qCWarning(soundLog, "no audio output (%s): the game plays without sound", sdl_->GetError());
        return;
    }
    available_ = true;
    wantOpen_ = true;
    sdl_->PauseAudioDevice(device_, 0);
    outputThread_ = std::thread(&AppAudioDevice::Run, this);
}

AppAudioDevice::~AppAudioDevice() {
    if (outputThread_.joinable()) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            // Silent before the output closes, as at any other stop.
            mixer_.Stop();
            quit_ = true;
        }
        changed_.notify_one();
        // The thread closes the output, which waits for a running callback, so no
        // sound is read after this.
        outputThread_.join();
    }
    if (audioStarted_) {
        sdl_->Stop(SDL_INIT_AUDIO);
    }
}

bool AppAudioDevice::IsOutputOpen() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return device_ != 0;
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
    return sdl_->OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
}

void AppAudioDevice::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || wantOpen_ != (device_ != 0); });
        if (quit_) {
            break;
        }
        // SDL's own calls wait for the callback, which takes the lock: never hold it there.
        if (wantOpen_) {
            lock.unlock();
            const SDL_AudioDeviceID opened = Open();
            lock.lock();
            device_ = opened;
            if (opened == 0) {
                // The output went away: this sound is lost, the next one tries again.
                if (!openFailed_) {
                    qCWarning(soundLog, "the audio output cannot open (%s): silent until it can",
                              sdl_->GetError());
                }
                openFailed_ = true;
                wantOpen_ = false;
                mixer_.Stop();
                continue;
            }
            openFailed_ = false;
            lock.unlock();
            sdl_->PauseAudioDevice(opened, 0);
            lock.lock();
        } else {
            const SDL_AudioDeviceID open = device_;
            closing_ = true;
            lock.unlock();
            sdl_->CloseAudioDevice(open);
            lock.lock();
            closing_ = false;
            device_ = 0;
        }
    }
    const SDL_AudioDeviceID open = device_;
    closing_ = true;
    lock.unlock();
    if (open != 0) {
        sdl_->CloseAudioDevice(open);
    }
}

bool AppAudioDevice::SetSound(int id, const void* image, std::size_t size) {
    if (!available_) {
        return false;
    }
    std::vector<Uint8> samples = AppSoundMixer::Decode(*sdl_, image, size);
    const bool decoded = !samples.empty();
    const std::lock_guard<std::mutex> lock(mutex_);
    mixer_.SetSound(id, std::move(samples));
    return decoded;
}

void AppAudioDevice::Play(int id) {
    if (!available_) {
        return;
    }
    bool openNow = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        silentFrames_ = 0;
        openNow = mixer_.Start(id) && !wantOpen_;
        if (openNow) {
            wantOpen_ = true;
        }
    }
    if (openNow) {
        changed_.notify_one();
    }
}

void AppAudioDevice::Stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    mixer_.Stop();
    silentFrames_ = 0;
}

void SDLCALL AppAudioDevice::Callback(void* userdata, Uint8* stream, int len) {
    static_cast<AppAudioDevice*>(userdata)->Fill(stream, static_cast<std::size_t>(len));
}

void AppAudioDevice::Fill(Uint8* stream, std::size_t len) {
    bool closeNow = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::size_t copied = 0;
        if (closing_) {
            std::memset(stream, 0, len);
        } else {
            copied = mixer_.Fill(stream, len);
        }
        if (!mixer_.IsPlaying() && wantOpen_) {
            silentFrames_ += (len - copied) / AppSoundMixer::frameBytes;
            closeNow = silentFrames_ >= silentFramesBeforeClose_;
            if (closeNow) {
                wantOpen_ = false;
            }
        }
    }
    if (closeNow) {
        changed_.notify_one();
    }
}
