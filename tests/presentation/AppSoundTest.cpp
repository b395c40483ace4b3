// Loading the wave files, its failure traces and the player's life with SDL's dummy driver.
#include "AppSound.h"
#include "AppSdlLibrary.h"
#include "SoundTestFolder.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

const QString shippedFolder = QStringLiteral(ZINGAROO_SHIPPED_SOUND_FOLDER);

// A folder holding three playable sounds, then changed by one case of the table, and the
// one line the player then writes to the sound log, or none.
struct LoadCase {
    const char* name;
    std::function<void(const SoundTestFolder&)> change;
    const char* trace;
};

void PrintTo(const LoadCase& loadCase, std::ostream* out) {
    *out << loadCase.name;
}

void WriteGoodSounds(const SoundTestFolder& folder) {
    for (const char* name : {"start.wav", "bounce.wav", "clear.wav"}) {
        folder.Write(name, SoundTestFolder::ConstantWave(22050, 1, 2205, 1000));
    }
}

QByteArray PaddedWave(qint64 size) {
    QByteArray image = SoundTestFolder::ConstantWave(22050, 1, 100, 1000);
    image.append(QByteArray(size - image.size(), '\0'));
    return image;
}

// Every case runs on SDL's dummy driver, which accepts everything and plays nothing.
class AppSoundTest : public testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

class AppSoundLoadTest : public AppSoundTest, public testing::WithParamInterface<LoadCase> {};

// However often the sounds are played, each failure is reported once, in one line.
TEST_P(AppSoundLoadTest, ReportsEachFailureOnceInTheSoundLog) {
    SoundTestFolder folder;
    WriteGoodSounds(folder);
    GetParam().change(folder);

    const QtMessageHandler before = SoundTestFolder::KeepSoundLog();
    const QStringList& traces = SoundTestFolder::SoundLog();
    testing::internal::CaptureStderr();
    {
        AppSound sound(folder.Path());
        sound.StartOutput();
        EXPECT_TRUE(sound.IsEnabled());
        for (int round = 0; round < 2; ++round) {
            for (AppSoundId id : {soundStart, soundBounce, soundClear}) {
                sound.Play(id);
            }
        }
        sound.Stop();
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "nothing but the sound log";
    qInstallMessageHandler(before);
    if (GetParam().trace == nullptr) {
        EXPECT_EQ(traces, QStringList());
    } else {
        ASSERT_EQ(traces.size(), 1) << traces.join('\n').toStdString();
        EXPECT_TRUE(traces[0].contains(QLatin1String(GetParam().trace))) << traces[0].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, AppSoundLoadTest,
    testing::Values(
        LoadCase{"AllPresent", [](const SoundTestFolder&) {}, nullptr},
        LoadCase{"FolderMissing",
                 [](const SoundTestFolder& f) { QDir(f.Path()).removeRecursively(); },
                 "start.wav (missing)"},
        LoadCase{"FirstFileMissing",
                 [](const SoundTestFolder& f) { QFile::remove(f.Path() + "start.wav"); },
                 "start.wav (missing)"},
        LoadCase{"LastFileMissing",
                 [](const SoundTestFolder& f) { QFile::remove(f.Path() + "clear.wav"); },
                 "clear.wav (missing)"},
        LoadCase{"EmptyFile", [](const SoundTestFolder& f) { f.Write("bounce.wav", {}); },
                 "bounce.wav (0 bytes"},
        LoadCase{"FolderInPlaceOfFile",
                 [](const SoundTestFolder& f) {
                     QFile::remove(f.Path() + "bounce.wav");
                     QDir(f.Path()).mkdir("bounce.wav");
                 },
                 "bounce.wav (not a plain file)"},
        LoadCase{"FileOverSizeLimit",
                 [](const SoundTestFolder& f) {
                     f.Write("clear.wav", PaddedWave(AppSound::maxImageBytes + 1));
                 },
                 "clear.wav (4194305 bytes"},
        LoadCase{"FileAtSizeLimit",
                 [](const SoundTestFolder& f) {
                     f.Write("clear.wav", PaddedWave(AppSound::maxImageBytes));
                 },
                 nullptr},
        // Read whole but not decodable: kept, and silent when played.
        LoadCase{"TruncatedHeader",
                 [](const SoundTestFolder& f) {
                     f.Write("start.wav", SoundTestFolder::TruncatedWave());
                 },
                 "start.wav is not a wave sound"},
        LoadCase{"RandomBytes",
                 [](const SoundTestFolder& f) {
                     f.Write("bounce.wav", SoundTestFolder::RandomBytes(3000));
                 },
                 "bounce.wav is not a wave sound"},
        LoadCase{"UnknownFormat",
                 [](const SoundTestFolder& f) {
                     f.Write("clear.wav", SoundTestFolder::UnknownFormatWave());
                 },
                 "clear.wav is not a wave sound"},
        LoadCase{"NoAudioSystem",
                 [](const SoundTestFolder&) { setenv("SDL_AUDIODRIVER", "no-such-driver", 1); },
                 "no audio output"},
        // The disk driver cannot open its file in a folder that does not exist.
        LoadCase{"OutputCannotOpen",
                 [](const SoundTestFolder& f) {
                     setenv("SDL_AUDIODRIVER", "disk", 1);
                     setenv("SDL_DISKAUDIOFILE", qPrintable(f.Path() + "none/out.raw"), 1);
                 },
                 "no audio output"}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// Whatever drivers the machine offers, or none: starting the sound prints nothing once the
// sound log is silenced.
TEST(AppSoundSystemTest, StaysQuietOnTheMachinesOwnAudio) {
    unsetenv("SDL_AUDIODRIVER");
    QLoggingCategory::setFilterRules(QStringLiteral("zingaroo.sound=false"));
    testing::internal::CaptureStderr();
    {
        AppSound sound(shippedFolder);
        sound.StartOutput();
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    QLoggingCategory::setFilterRules({});
}

TEST_F(AppSoundTest, LeavesTheInterruptAndTerminateSignalsToTheProgram) {
    AppSound sound(shippedFolder);
    sound.StartOutput();
    sound.WaitForOutput();
    ASSERT_NE(AppSdlLibrary::Load()->WasInit(SDL_INIT_AUDIO), 0u);
    sound.Play(soundStart);
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST_F(AppSoundTest, StartsAudioOnlyWhileItLives) {
    auto sound = std::make_unique<AppSound>(shippedFolder);
    sound->StartOutput();
    sound->WaitForOutput();
    const AppSdlLibrary* sdl = AppSdlLibrary::Load();
    EXPECT_NE(sdl->WasInit(SDL_INIT_AUDIO), 0u);
    sound->Play(soundBounce);
    sound.reset();
    EXPECT_EQ(sdl->WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
