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
    std::array<QByteArray, appSoundCount> images;
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
    device = std::make_unique<AppAudioDevice>(appSoundCount);
    for (std::size_t id = 0; id < images.size() && device->IsAvailable(); ++id) {
        const QByteArray& image = images[id];
        if (!device->SetSound(int(id), image.constData(), std::size_t(image.size()))) {
            qCWarning(soundLog, "%s%s is not a wave sound: it stays silent",
                      qUtf8Printable(soundFolder), soundFiles[id]);
        }
    }
}

// The device stops the playing sound and closes the output before it releases the sounds.
AppSound::~AppSound() = default;

void AppSound::Play(AppSoundId id) {
    if (!enabled || id < 0 || id >= appSoundCount || !device) {
        return;
    }
    device->Play(id);
}

void AppSound::Stop() {
    if (device) {
        device->Stop();
    }
}

void AppSound::SetEnabled(bool flag) {
    enabled = flag;
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
