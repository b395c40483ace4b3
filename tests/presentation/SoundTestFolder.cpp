// A throw-away sound folder for tests, with helpers that make wave-file images and catch
// the sound log.
#include "SoundTestFolder.h"

#include <QFile>

#include <random>
#include <stdexcept>

namespace {

QStringList soundLog;

void KeepSoundLine(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (QLatin1String(context.category) == QLatin1String("zingaroo.sound"))
        soundLog.append(message);
}

void PutU16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void PutU32(QByteArray& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

SoundTestFolder::SoundTestFolder() {
    if (!dir.isValid()) {
        throw std::runtime_error("cannot make a temporary folder");
    }
}

QString SoundTestFolder::Path() const {
    return dir.path() + '/';
}

void SoundTestFolder::Write(const QString& name, const QByteArray& contents) const {
    QFile file(Path() + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
        throw std::runtime_error("cannot write a test file");
    }
}

QByteArray SoundTestFolder::ConstantWave(int rate, int channels, int frames, std::int16_t value) {
    const auto dataBytes = static_cast<std::uint32_t>(frames * channels * 2);
    QByteArray out;
    out.append("RIFF");
    PutU32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    PutU32(out, 16);
    PutU16(out, 1); // plain PCM
    PutU16(out, static_cast<std::uint16_t>(channels));
    PutU32(out, static_cast<std::uint32_t>(rate));
    PutU32(out, static_cast<std::uint32_t>(rate * channels * 2));
    PutU16(out, static_cast<std::uint16_t>(channels * 2));
    PutU16(out, 16);
    out.append("data");
    PutU32(out, dataBytes);
    for (int i = 0; i < frames * channels; ++i) {
        PutU16(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

QByteArray SoundTestFolder::TruncatedWave() {
    return ConstantWave(22050, 1, 100, 1000).left(20);
}

QByteArray SoundTestFolder::UnknownFormatWave() {
    QByteArray out = ConstantWave(22050, 1, 100, 1000);
    out[20] = 0x34; // the format code follows "RIFF", size, "WAVE", "fmt " and its size
    out[21] = 0x12;
    return out;
}

QByteArray SoundTestFolder::RandomBytes(int count) {
    std::mt19937 generator(12345);
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        out.append(static_cast<char>(generator() & 0xFF));
    }
    return out;
}

QtMessageHandler SoundTestFolder::KeepSoundLog() {
    soundLog.clear();
    return qInstallMessageHandler(KeepSoundLine);
}

const QStringList& SoundTestFolder::SoundLog() {
    return soundLog;
}
