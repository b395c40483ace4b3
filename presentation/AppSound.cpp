// The game's three sounds: read once, then played from memory without waiting.
#include "AppSound.h"

#include "AppAudioDevice.h"

#include <QFile>
#include <QFileInfo>

namespace {

const std::array<const char*, appSoundCount> soundFiles = {"start.wav", "bounce.wav", "clear.wav"};

} // namespace

AppSound::AppSound(const QString& soundFolder) : soundFolder_(soundFolder) {
    for (std::size_t id = 0; id < images_.size(); ++id) {
        const QString path = soundFolder + QLatin1String(soundFiles[id]);
        const QString problem = ReadImage(path, images_[id]);
        if (!problem.isEmpty()) {
            // All or nothing: a partial set would play some sounds and not others.
            qCWarning(soundLog, "cannot read %s (%s): the game plays without sound",
                      qUtf8Printable(path), qUtf8Printable(problem));
            images_ = {};
            return;
        }
    }
}

// The device stops the playing sound and closes the output before it releases the sounds.
AppSound::~AppSound() {
    if (starter_.joinable())
        starter_.join();
}

void AppSound::StartOutput() {
    outputAllowed_ = true;
    StartIfWanted();
}

void AppSound::StartIfWanted() {
    // Without its sounds the game is silent, and the output is never opened.
    if (!outputAllowed_ || !enabled_ || starter_.joinable() || images_[0].empty())
        return;
    starter_ = std::thread(&AppSound::OpenOutput, this, soundFolder_);
}

void AppSound::OpenOutput(const QString& soundFolder) {
    auto device = std::make_unique<AppAudioDevice>(appSoundCount);
    for (std::size_t id = 0; id < images_.size() && device->IsAvailable(); ++id) {
        const std::string& image = images_[id];
        if (!device->SetSound(int(id), image.data(), image.size())) {
            qCWarning(soundLog, "%s%s is not a wave sound: it stays silent",
                      qUtf8Printable(soundFolder), soundFiles[id]);
        }
    }
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (device->IsAvailable()) {
            device_ = std::move(device);
            if (waiting_)
                device_->Play(*waiting_);
        }
        waiting_.reset();
        outputReady_ = true;
    }
    ready_.notify_all();
}

void AppSound::WaitForOutput() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (starter_.joinable())
        ready_.wait(lock, [this] { return outputReady_; });
}

void AppSound::Play(AppSoundId id) {
    if (!enabled_ || id < 0 || id >= appSoundCount || images_[0].empty())
        return;
    const std::lock_guard<std::mutex> lock(mutex_);
    if (device_)
        device_->Play(id);
    else if (!outputReady_)
        waiting_ = id;
}

void AppSound::Stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    waiting_.reset();
    if (device_)
        device_->Stop();
}

void AppSound::SetEnabled(bool flag) {
    enabled_ = flag;
    StartIfWanted();
}

QString AppSound::ReadImage(const QString& path, std::string& image) {
    // The durable file opens nothing but a plain file (a pipe would wait for a writer, a
    // device may never end) and reads no more than maxImageBytes, so a huge or endless
    // file cannot exhaust memory.
    AppDurableFile file(QFile::encodeName(path).toStdString());
    const AppDurableFile::ReadResult result = file.Read(image);
    // An empty file holds no sound.
    if (result == AppDurableFile::ReadResult::Read && !image.empty())
        return {};
    const QFileInfo info(path);
    if (!info.isFile())
        return info.exists() ? QStringLiteral("not a plain file") : QStringLiteral("missing");
    if (result != AppDurableFile::ReadResult::NotReadWhole || info.size() > maxImageBytes)
        return QStringLiteral("%1 bytes, not 1 to %2").arg(info.size()).arg(maxImageBytes);
    return QString::fromLocal8Bit(file.Failure().c_str());
}
