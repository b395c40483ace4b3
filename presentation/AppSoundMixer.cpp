// The decoded sounds and the one playing, which it copies into the output's buffers.
#include "AppSoundMixer.h"

#include "AppSdlLibrary.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace {

// Decoding may need a working buffer several times the decoded size (resampling and
// widening happen in place); a sound that would need more than this is not kept.
constexpr std::size_t maxWorkBytes = 32u * 1024u * 1024u;

struct WaveFree {
    const AppSdlLibrary& sdl;
    void operator()(Uint8* wave) const { sdl.FreeWAV(wave); }
};

} // namespace

void AppSoundMixer::SetSound(int id, std::vector<Uint8> samples) {
    if (id < 0 || static_cast<std::size_t>(id) >= sounds_.size()) {
        return;
    }
    std::vector<Uint8>& sound = sounds_[static_cast<std::size_t>(id)];
    if (current_ == &sound) {
        Stop();
    }
    sound = std::move(samples);
}

bool AppSoundMixer::Start(int id) {
    if (id < 0 || static_cast<std::size_t>(id) >= sounds_.size()) {
        return false;
    }
    const std::vector<Uint8>& sound = sounds_[static_cast<std::size_t>(id)];
    current_ = sound.empty() ? nullptr : &sound;
    position_ = 0;
    return current_ != nullptr;
}

void AppSoundMixer::Stop() {
    current_ = nullptr;
    position_ = 0;
}

std::size_t AppSoundMixer::Fill(Uint8* stream, std::size_t len) {
    std::size_t copied = 0;
    if (current_ != nullptr) {
        copied = std::min(len, current_->size() - position_);
        std::memcpy(stream, current_->data() + position_, copied);
        position_ += copied;
        if (position_ >= current_->size()) {
            Stop();
        }
    }
    // Signed 16-bit silence is all zero bytes.
    std::memset(stream + copied, 0, len - copied);
    return copied;
}

std::vector<Uint8> AppSoundMixer::Decode(const AppSdlLibrary& sdl, const void* image,
                                         std::size_t size) {
    if (image == nullptr || size == 0 || size > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    SDL_RWops* stream = sdl.RWFromConstMem(image, static_cast<int>(size));
    if (stream == nullptr) {
        return {};
    }
    SDL_AudioSpec waveFormat{};
    Uint8* wave = nullptr;
    Uint32 waveBytes = 0;
    // Closes the stream whether or not decoding succeeds.
    if (sdl.LoadWAV_RW(stream, 1, &waveFormat, &wave, &waveBytes) == nullptr) {
        return {};
    }
    const std::unique_ptr<Uint8, WaveFree> waveOwner(wave, WaveFree{sdl});

    SDL_AudioCVT cvt;
    if (sdl.BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels,
                          static_cast<int>(waveFormat.freq), format, channels, frequency) < 0) {
        return {};
    }
    // Conversion works on whole frames only.
    const std::size_t waveFrameBytes =
        SDL_AUDIO_BITSIZE(waveFormat.format) / 8u * waveFormat.channels;
    if (waveFrameBytes == 0) {
        return {};
    }
    const std::size_t inputBytes = waveBytes - waveBytes % waveFrameBytes;
    const std::size_t workBytes = inputBytes * static_cast<std::size_t>(cvt.len_mult);
    if (inputBytes == 0 || workBytes > maxWorkBytes) {
        return {};
    }
    std::vector<Uint8> samples(workBytes);
    std::memcpy(samples.data(), wave, inputBytes);
    if (cvt.needed != 0) {
        cvt.buf = samples.data();
        cvt.len = static_cast<int>(inputBytes);
        if (sdl.ConvertAudio(&cvt) != 0) {
            return {};
        }
        samples.resize(static_cast<std::size_t>(cvt.len_cvt));
    } else {
        samples.resize(inputBytes);
    }
    samples.shrink_to_fit();
    return samples;
}
