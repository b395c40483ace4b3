// The game's three sounds: read whole into memory once, then played without waiting.
#pragma once

#include "AppGameSound.h"
#include "AppSoundId.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

class AppAudioDevice;

class AppSound : public AppGameSound {
public:
    // A wave file larger than this is not read: it counts as a failed load.
    static constexpr qint64 maxImageBytes = 4 * 1024 * 1024;

    // Reads "start.wav", "bounce.wav" and "clear.wav" from soundFolder (a path ending
    // in '/'). Either all three are kept or, on any failure, none; nothing is reported.
    explicit AppSound(const QString& soundFolder);
    ~AppSound() override;
    AppSound(const AppSound&) = delete;
    AppSound& operator=(const AppSound&) = delete;

    // Starts sound id and returns at once, cutting off the sound that is
    // playing. Does nothing while disabled or for an id out of range.
    void Play(AppSoundId id) override;
    // Silences whatever is playing.
    void Stop();
    // Switches playing on or off; a sound already playing goes on to its end.
    void SetEnabled(bool flag);
    bool IsEnabled() const { return enabled; }
    // True when all three wave files are in memory.
    bool IsLoaded() const;

private:
    bool LoadImages(const QString& soundFolder);
    static QByteArray ReadImage(const QString& path);

    // The complete contents of each wave file, byte for byte; null when not loaded.
    std::array<QByteArray, appSoundCount> images;
    bool enabled = true;
    // Present only when the images are loaded; plays their decoded samples.
    std::unique_ptr<AppAudioDevice> device;
};
