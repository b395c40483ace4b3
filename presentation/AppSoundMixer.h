// The decoded sounds and the one playing, which it copies into the output's buffers.
#pragma once

#include <SDL_audio.h>

#include <cstddef>
#include <vector>

struct AppSdlLibrary;

// Not locked: the output that owns it calls it under its own lock.
class AppSoundMixer {
public:
    // The output format every sound is converted to once, when it is decoded:
    // signed 16-bit samples in the machine's byte order, interleaved stereo.
    static constexpr int frequency = 44100;
    static constexpr int channels = 2;
    static constexpr SDL_AudioFormat format = AUDIO_S16SYS;
    static constexpr std::size_t frameBytes = channels * sizeof(Sint16);

    explicit AppSoundMixer(int soundCount) : sounds_(static_cast<std::size_t>(soundCount)) {}

    // Decodes a wave-file image and converts it to the output format. An image SDL
    // cannot decode or convert gives nothing: playing it gives silence.
    static std::vector<Uint8> Decode(const AppSdlLibrary& sdl, const void* image, std::size_t size);
    // Keeps decoded samples as sound id; stops it first if it is playing.
    void SetSound(int id, std::vector<Uint8> samples);
    // Starts sound id from its beginning, cutting off whatever was playing. An empty
    // sound still cuts it off. False when nothing plays now.
    bool Start(int id);
    void Stop();
    bool IsPlaying() const { return current_ != nullptr; }
    // Copies the playing sound's next samples into stream and silences the rest;
    // gives the number of bytes copied.
    std::size_t Fill(Uint8* stream, std::size_t len);

private:
    std::vector<std::vector<Uint8>> sounds_;
    // The sound being copied and how far it has got.
    const std::vector<Uint8>* current_ = nullptr;
    std::size_t position_ = 0;
};
