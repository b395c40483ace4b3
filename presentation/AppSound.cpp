// The game's three sounds: read whole into memory once, then played without waiting.
#include "AppSound.h"

#include "AppAudioDevice.h"

#include <QFile>
#include <QFileInfo>

namespace {

const std::array<const char*, appSoundCount> soundFiles = {"start.wav", "bounce.wav", "clear.wav"};

} // namespace

AppSound::AppSound(const QString& soundFolder) {
    if (!LoadImages(soundFolder)) {
        return;
    }
    device = std::make_unique<AppAudioDevice>(appSoundCount);
    for (int id = 0; id < appSoundCount; ++id) {
        const QByteArray& image = images[static_cast<std::size_t>(id)];
        device->SetSound(id, image.constData(), static_cast<std::size_t>(image.size()));
    }
}

AppSound::~AppSound() {
    // The output must be silent and closed before the sounds it reads are released.
    Stop();
    device.reset();
    for (QByteArray& image : images) {
        image = QByteArray();
    }
}

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

bool AppSound::IsLoaded() const {
    for (const QByteArray& image : images) {
        if (image.isNull()) {
            return false;
        }
    }
    return true;
}

bool AppSound::LoadImages(const QString& soundFolder) {
    for (std::size_t id = 0; id < images.size(); ++id) {
        images[id] = ReadImage(soundFolder + QString::fromLatin1(soundFiles[id]));
        if (images[id].isNull()) {
            // All or nothing: a partial set would play some sounds and not others.
            for (QByteArray& image : images) {
                image = QByteArray();
            }
            return false;
        }
    }
    return true;
}

QByteArray AppSound::ReadImage(const QString& path) {
    // Only plain files: opening a pipe would wait for a writer, a device may never end.
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // An empty file holds no sound, and the size is bounded before anything is
    // allocated so a huge or endless file cannot exhaust memory.
    const qint64 size = file.size();
    if (size <= 0 || size > maxImageBytes) {
        return {};
    }
    QByteArray image(size, Qt::Uninitialized);
    if (file.read(image.data(), size) != size) {
        return {};
    }
    return image;
}
