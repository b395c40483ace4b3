// One SDL audio output, opened on a thread of its own while sound plays and closed in silence.
#pragma once

#include "AppLog.h"
#include "AppSoundMixer.h"

#include <SDL_audio.h>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

struct AppSdlLibrary;

class AppAudioDevice {
public:
    // Frames per callback: about 12 ms, short enough that a new sound starts promptly.
    static constexpr int bufferFrames = 512;
    // An open output wakes the program every buffer even when silent, so it is closed
    // after this much silence and opened again for the next sound.
    static constexpr std::chrono::milliseconds closeWhenSilentFor{2000};

    // Loads the SDL library, starts its audio and opens the default output with room for
    // soundCount sounds. Failure is reported and leaves a device that is not available and
    // plays nothing.
    explicit AppAudioDevice(int soundCount,
                            std::chrono::milliseconds silenceBeforeClose = closeWhenSilentFor);
    ~AppAudioDevice();
    AppAudioDevice(const AppAudioDevice&) = delete;
    AppAudioDevice& operator=(const AppAudioDevice&) = delete;

    // True when the machine has an output to play on.
    bool IsAvailable() const { return available_; }
    // True while the output is open, from a sound's start until a silence after it.
    bool IsOutputOpen() const;

    // Decodes a wave-file image into sound id (see AppSoundMixer); false when that
    // gives no sound.
    bool SetSound(int id, const void* image, std::size_t size);
    // Starts sound id from its beginning, cutting off whatever was playing. A closed output
    // is opened on a thread of its own: the caller never waits for the audio system. An
    // output that cannot open is reported once, until it opens again.
    void Play(int id);
    // Silences the output.
    void Stop();

private:
    static void SDLCALL Callback(void* userdata, Uint8* stream, int len);
    void Fill(Uint8* stream, std::size_t len);
    // Opens the output paused; 0 when there is none.
    SDL_AudioDeviceID Open();
    // The output's own thread: opens and closes it as asked, and sleeps in between.
    void Run();

    const AppSdlLibrary* sdl_ = nullptr;
    bool audioStarted_ = false;
    bool available_ = false;
    std::size_t silentFramesBeforeClose_;

    // Everything below is shared with the callback and the output's thread.
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    AppSoundMixer mixer_;
    std::size_t silentFrames_ = 0;
    // What the output should be, and what it is.
    bool wantOpen_ = false;
    SDL_AudioDeviceID device_ = 0;
    // While the output is being closed the callback reads nothing, so a sound asked for
    // meanwhile starts from its beginning on the reopened output.
    bool closing_ = false;
    bool openFailed_ = false;
    bool quit_ = false;
    std::thread outputThread_;
};
