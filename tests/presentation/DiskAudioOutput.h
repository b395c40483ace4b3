// Reads what SDL's disk audio driver has written: the sound player's output as raw samples.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class DiskAudioOutput {
public:
    // Selects the disk driver and points it at `path`; must come before SDL's audio starts.
    explicit DiskAudioOutput(const QString& path);

    // The first channel of every whole frame written so far (the device is stereo
    // signed 16-bit in machine order, both channels carrying the same mono sound).
    std::vector<std::int16_t> Levels() const;
    // Waits until `count` frames have been written. False if that takes unreasonably long.
    bool WaitForFrames(std::size_t count) const;
    // Waits until a frame from index `from` on satisfies `match`; gives its index, or -1
    // if none appears in reasonable time.
    long WaitForLevel(std::size_t from, const std::function<bool(std::int16_t)>& match) const;

private:
    QString path;
};
