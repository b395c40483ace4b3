// The game's three sounds: read and decoded once, then played from memory without waiting.
#pragma once

#include "AppDurableFile.h"
#include "AppGameSound.h"
#include "AppSoundId.h"

#include <QString>

#include <memory>
#include <string>

class AppAudioDevice;

class AppSound : public AppGameSound {
public:
    // A wave file larger than this is not read: it counts as a failed load.
    static constexpr qint64 maxImageBytes = AppDurableFile::MaxFileSize;

    // Reads "start.wav", "bounce.wav" and "clear.wav" from soundFolder (a path ending
    // in '/'). Either all three are kept or, on any failure, none; a file that cannot be
    // read or decoded is reported in the sound log.
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
    bool IsEnabled() const { return enabled_; }

private:
    // Reads a wave file whole into image; gives why it could not, or nothing.
    static QString ReadImage(const QString& path, std::string& image);

    bool enabled_ = true;
    // Present only when all three files were read; plays their decoded samples.
    std::unique_ptr<AppAudioDevice> device_;
};
