// The game's three sounds: read and decoded once, then played from memory without waiting.
#include "AppSound.h"

#include "AppAudioDevice.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

const std::array<const char*, appSoundCount> soundFiles = {"start.wav", "bounce.wav", "clear.wav"};

} // namespace

AppSound::AppSound(const QString& soundFolder) {
    std::array<std::string, appSoundCount> images;
    for (std::size_t id = 0; id < images.size(); ++id) {
        const QString path = soundFolder + QLatin1String(soundFiles[id]);
        const QString problem = ReadImage(path, images[id]);
        if (!problem.isEmpty()) {
            // All or nothing: a partial set would play some sounds and not others.
            qCWarning(soundLog, "cannot read %s (%s): the game plays without sound",
                      qUtf8Printable(path), qUtf8Printable(problem));
            return;
        }
    }
    device_ = std::make_unique<AppAudioDevice>(appSoundCount);
    for (std::size_t id = 0; id < images.size() && device_->IsAvailable(); ++id) {
        const std::string& image = images[id];
        if (!device_->SetSound(int(id), image.data(), image.size())) {
            qCWarning(soundLog, "%s%s is not a wave sound: it stays silent",
                      qUtf8Printable(soundFolder), soundFiles[id]);
        }
    }
}

// The device stops the playing sound and closes the output before it releases the sounds.
AppSound::~AppSound() = default;

void AppSound::Play(AppSoundId id) {
    if (!enabled_ || id < 0 || id >= appSoundCount || !device_) {
        return;
    }
    device_->Play(id);
}

void AppSound::Stop() {
    if (device_) {
        device_->Stop();
    }
}

void AppSound::SetEnabled(bool flag) {
    enabled_ = flag;
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
