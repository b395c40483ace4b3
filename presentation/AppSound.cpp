// The game's three sounds: read once, then played from memory without waiting.
#include "AppSound.h"

#include "AppAudioDevice.h"

#include <QFile>
#include <QFileInfo>

namespace {

const std::array<const char*, appSoundCount> soundFiles = {"start.wav", "bounce.wav", "clear.wav"};

} // namespace

AppSound::AppSound(const QString& soundFolder) : soundFolder_(soundFolder) {
    for (std::size_t id = 0; id < images.size(); ++id) {
        const QString path = soundFolder + QLatin1String(soundFiles[id]);
        const QString problem = ReadImage(path, images[id]);
        if (!problem.isEmpty()) {
            // All or nothing: a partial set would play some sounds and not others.
            qCWarning(soundLog, "cannot read %s (%s): the game plays without sound",
                      qUtf8Printable(path), qUtf8Printable(problem));
            images = {};
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
    if (!outputAllowed_ || !enabled || starter_.joinable() || images[0].isNull())
        return;
    starter_ = std::thread(&AppSound::OpenOutput, this, soundFolder_);
}

void AppSound::OpenOutput(const QString& soundFolder) {
    auto device = std::make_unique<AppAudioDevice>(appSoundCount);
    for (std::size_t id = 0; id < images.size() && device->IsAvailable(); ++id) {
        const QByteArray& image = images[id];
        if (!device->SetSound(int(id), image.constData(), std::size_t(image.size()))) {
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
    if (!enabled || id < 0 || id >= appSoundCount || images[0].isNull())
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
    enabled = flag;
    StartIfWanted();
}

QString AppSound::ReadImage(const QString& path, QByteArray& image) {
    // Only plain files: opening a pipe would wait for a writer, a device may never end.
    const QFileInfo info(path);
    if (!info.isFile()) {
        return info.exists() ? QStringLiteral("not a plain file") : QStringLiteral("missing");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    // An empty file holds no sound, and the size is bounded before anything is
    // allocated so a huge or endless file cannot exhaust memory.
    const qint64 size = file.size();
    if (size <= 0 || size > maxImageBytes) {
        return QStringLiteral("%1 bytes, not 1 to %2").arg(size).arg(maxImageBytes);
    }
    image = QByteArray(size, Qt::Uninitialized);
    if (file.read(image.data(), size) != size) {
        return file.errorString();
    }
    return {};
}
