// Reads what SDL's disk audio driver has written: the sound player's output as raw samples.
#include "DiskAudioOutput.h"

#include "AppSoundMixer.h"

#include <QFile>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// Only a guard against hanging on a broken driver: the waits normally end within a second.
constexpr auto giveUpAfter = std::chrono::seconds(20);
constexpr auto pollEvery = std::chrono::milliseconds(5);
constexpr std::size_t frameBytes = AppSoundMixer::frameBytes;

} // namespace

DiskAudioOutput::DiskAudioOutput(const QString& path) : path(path) {
    QFile::remove(path);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", QFile::encodeName(path).constData(), 1);
}

std::vector<std::int16_t> DiskAudioOutput::Levels() const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const std::size_t frames = static_cast<std::size_t>(bytes.size()) / frameBytes;
    std::vector<std::int16_t> levels(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        std::memcpy(&levels[i], bytes.constData() + i * frameBytes, sizeof(std::int16_t));
    }
    return levels;
}

bool DiskAudioOutput::WaitForFrames(std::size_t count) const {
    const auto deadline = std::chrono::steady_clock::now() + giveUpAfter;
    while (static_cast<std::size_t>(QFile(path).size()) / frameBytes < count) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(pollEvery);
    }
    return true;
}

long DiskAudioOutput::WaitForLevel(std::size_t from,
                                   const std::function<bool(std::int16_t)>& match) const {
    const auto deadline = std::chrono::steady_clock::now() + giveUpAfter;
    for (;;) {
        const std::vector<std::int16_t> levels = Levels();
        for (std::size_t i = from; i < levels.size(); ++i) {
            if (match(levels[i])) {
                return static_cast<long>(i);
            }
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return -1;
        }
        std::this_thread::sleep_for(pollEvery);
    }
}
