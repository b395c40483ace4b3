// One SDL audio output that plays, from memory, one decoded sound at a time.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <vector>

class AppAudioDevice {
public:
    // The output format every sound is converted to once, when it is decoded:
    // signed 16-bit samples in the machine's byte order, interleaved stereo.
    static constexpr int frequency = 44100;
    static constexpr int channels = 2;
    static constexpr SDL_AudioFormat format = AUDIO_S16SYS;
    // Frames per callback: about 12 ms, short enough that a new sound starts promptly.
    static constexpr int bufferFrames = 512;

    // Starts SDL's audio and opens the default output with room for soundCount sounds.
    // Failure leaves a device that is not open and plays nothing.
    explicit AppAudioDevice(int soundCount);
    ~AppAudioDevice();
    AppAudioDevice(const AppAudioDevice&) = delete;
    AppAudioDevice& operator=(const AppAudioDevice&) = delete;

    bool IsOpen() const { return device != 0; }

    // Decodes a wave-file image and converts it to the output format. An image SDL
    // cannot decode or convert leaves the sound empty: playing it gives silence.
    void SetSound(int id, const void* image, std::size_t size);
    // Starts sound id from its beginning, cutting off whatever was playing.
    void Play(int id);
    // Silences the output.
    void Stop();

private:
    static void SDLCALL Callback(void* userdata, Uint8* stream, int len);
    void Fill(Uint8* stream, std::size_t len);
    static std::vector<Uint8> Decode(const void* image, std::size_t size);

    bool audioStarted = false;
    SDL_AudioDeviceID device = 0;
    std::vector<std::vector<Uint8>> sounds;
    // The sound the callback is reading and how far it has got; both change only
    // while the device is locked.
    const std::vector<Uint8>* current = nullptr;
    std::size_t position = 0;
};
