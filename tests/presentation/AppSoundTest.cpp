// Loading the wave files and the player's life with SDL's silent dummy driver.
#include "AppSound.h"
#include "SoundTestFolder.h"

#include <QDir>
#include <QFile>
#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

const QString shippedFolder = QStringLiteral(ZINGAROO_SHIPPED_SOUND_FOLDER);

// A folder holding three playable sounds, then changed by one case of the table.
struct LoadCase {
    const char* name;
    std::function<void(const SoundTestFolder&)> change;
    bool loaded;
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

TEST_P(AppSoundLoadTest, KeepsAllThreeSoundsOrNone) {
    SoundTestFolder folder;
    WriteGoodSounds(folder);
    GetParam().change(folder);

    testing::internal::CaptureStderr();
    {
        AppSound sound(folder.Path());
        EXPECT_EQ(sound.IsLoaded(), GetParam().loaded);
        EXPECT_TRUE(sound.IsEnabled());
        for (AppSoundId id : {soundStart, soundBounce, soundClear}) {
            sound.Play(id);
        }
        sound.Stop();
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the player reports nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Files, AppSoundLoadTest,
    testing::Values(
        LoadCase{"AllPresent", [](const SoundTestFolder&) {}, true},
        LoadCase{"FolderMissing",
                 [](const SoundTestFolder& f) { QDir(f.Path()).removeRecursively(); }, false},
        LoadCase{"FirstFileMissing",
                 [](const SoundTestFolder& f) { QFile::remove(f.Path() + "start.wav"); }, false},
        LoadCase{"LastFileMissing",
                 [](const SoundTestFolder& f) { QFile::remove(f.Path() + "clear.wav"); }, false},
        LoadCase{"EmptyFile", [](const SoundTestFolder& f) { f.Write("bounce.wav", {}); }, false},
        LoadCase{"FolderInPlaceOfFile",
                 [](const SoundTestFolder& f) {
                     QFile::remove(f.Path() + "bounce.wav");
                     QDir(f.Path()).mkdir("bounce.wav");
                 },
                 false},
        LoadCase{"FileOverSizeLimit",
                 [](const SoundTestFolder& f) {
                     f.Write("clear.wav", PaddedWave(AppSound::maxImageBytes + 1));
                 },
                 false},
        LoadCase{"FileAtSizeLimit",
                 [](const SoundTestFolder& f) {
                     f.Write("clear.wav", PaddedWave(AppSound::maxImageBytes));
                 },
                 true},
        // Read whole but not decodable: kept, and silent when played.
        LoadCase{"TruncatedHeader",
                 [](const SoundTestFolder& f) {
                     f.Write("start.wav", SoundTestFolder::TruncatedWave());
                 },
                 true},
        LoadCase{"RandomBytes",
                 [](const SoundTestFolder& f) {
                     f.Write("bounce.wav", SoundTestFolder::RandomBytes(3000));
                 },
                 true},
        LoadCase{"UnknownFormat",
                 [](const SoundTestFolder& f) {
                     f.Write("clear.wav", SoundTestFolder::UnknownFormatWave());
                 },
                 true}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// Whatever drivers the machine offers, or none: starting the sound prints nothing.
TEST(AppSoundSystemTest, StaysQuietOnTheMachinesOwnAudio) {
    unsetenv("SDL_AUDIODRIVER");
    testing::internal::CaptureStderr();
    {
        AppSound sound(shippedFolder);
        EXPECT_TRUE(sound.IsLoaded());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(AppSoundTest, LeavesTheInterruptAndTerminateSignalsToTheProgram) {
    AppSound sound(shippedFolder);
    ASSERT_TRUE(sound.IsLoaded());
    sound.Play(soundStart);
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST_F(AppSoundTest, StartsAudioOnlyWhileItLives) {
    auto sound = std::make_unique<AppSound>(shippedFolder);
    ASSERT_TRUE(sound->IsLoaded());
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound->Play(soundBounce);
    sound.reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
