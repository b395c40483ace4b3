// The game's three sounds: read once, then played from memory without waiting.
#pragma once

#include "AppDurableFile.h"
#include "AppGameSound.h"
#include "AppSoundId.h"

#include <QString>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class AppAudioDevice;

class AppSound : public AppGameSound {
public:
    // A wave file larger than this is not read: it counts as a failed load.
    static constexpr qint64 maxImageBytes = AppDurableFile::MaxFileSize;

    // Reads "start.wav", "bounce.wav" and "clear.wav" from soundFolder (a path ending
    // in '/'). Either all three are kept or, on any failure, none; a file that cannot be
    // read, or later decoded, is reported in the sound log. The audio output waits for
    // StartOutput().
    explicit AppSound(const QString& soundFolder);
    ~AppSound() override;
    AppSound(const AppSound&) = delete;
    AppSound& operator=(const AppSound&) = delete;

    // From now on the output may start: the sound library is loaded, the sounds decoded and
    // the output opened on a thread of their own, at once if enabled, or else when enabled.
    // The window calls it once it is on the screen, so that none of this delays it.
    void StartOutput();
    // Waits until a started output is ready to play, or known to be missing.
    void WaitForOutput();

    // Starts sound id and returns at once, cutting off the sound that is playing. A sound
    // asked for before the output is ready plays as soon as it is. Does nothing while
    // disabled or for an id out of range.
    void Play(AppSoundId id) override;
    // Silences whatever is playing, or is waiting to play.
    void Stop();
    // Switches playing on or off; a sound already playing goes on to its end.
    void SetEnabled(bool flag);
    bool IsEnabled() const { return enabled_; }

private:
    // Reads a wave file whole into image; gives why it could not, or nothing.
    static QString ReadImage(const QString& path, std::string& image);
    void StartIfWanted();
    // The starting thread: decodes the images and opens the output.
    void OpenOutput(const QString& soundFolder);

    // The wave files' contents, as read; none when one of them could not be read.
    std::array<std::string, appSoundCount> images_;
    bool enabled_ = true;
    QString soundFolder_;
    bool outputAllowed_ = false;
    std::thread starter_;

    // Shared with the starting thread.
    std::mutex mutex_;
    std::condition_variable ready_;
    bool outputReady_ = false;
    std::optional<AppSoundId> waiting_;
    // Present once the output is ready and has somewhere to play.
    std::unique_ptr<AppAudioDevice> device_;
};
