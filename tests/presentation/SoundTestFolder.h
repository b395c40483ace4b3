// A throw-away sound folder for tests, with helpers that make wave-file images and catch
// the sound log.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>

class SoundTestFolder {
public:
    SoundTestFolder();

    // The folder's path, ending in '/', as the sound player expects it.
    QString Path() const;
    void Write(const QString& name, const QByteArray& contents) const;

    // A 16-bit PCM wave image holding `frames` frames in which every channel of every
    // frame is `value`; a constant level is easy to recognise in the output.
    static QByteArray ConstantWave(int rate, int channels, int frames, std::int16_t value);
    // The same image cut short, or with its format code replaced by one no decoder knows.
    static QByteArray TruncatedWave();
    static QByteArray UnknownFormatWave();
    // Bytes from a fixed-seed generator: never a wave file, the same on every run.
    static QByteArray RandomBytes(int count);
    // Keeps the sound log's lines, from none, until the returned handler is installed again.
    static QtMessageHandler KeepSoundLog();
    static const QStringList& SoundLog();

private:
    QTemporaryDir dir;
};
