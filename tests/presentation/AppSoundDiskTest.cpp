// What the sound player actually outputs, captured through SDL's disk audio driver.
#include "AppAudioDevice.h"
#include "AppSound.h"
#include "DiskAudioOutput.h"
#include "SoundTestFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <thread>

namespace {

const QString shippedFolder = QStringLiteral(ZINGAROO_SHIPPED_SOUND_FOLDER);
constexpr std::size_t rate = AppSoundMixer::frequency;

// Test sounds already in the output format, so they come out sample for sample: each is
// one constant level, which tells at every frame which sound is being heard.
constexpr std::int16_t levelStart = 1000;
constexpr std::int16_t levelBounce = -2000;
constexpr std::int16_t levelClear = 3000;
constexpr std::size_t framesStart = 10 * rate; // long enough to be interrupted
constexpr std::size_t framesBounce = rate / 5;
constexpr std::size_t framesClear = rate / 10;

// A stretch of output frames at one level.
struct LevelRun {
    std::int16_t level;
    std::size_t frames;
};

// The output as runs of equal levels, without the silence before the first sound.
std::vector<LevelRun> RunsOf(const std::vector<std::int16_t>& levels) {
    std::vector<LevelRun> runs;
    for (std::int16_t level : levels) {
        if (!runs.empty() && runs.back().level == level) {
            ++runs.back().frames;
        } else if (!runs.empty() || level != 0) {
            runs.push_back({level, 1});
        }
    }
    return runs;
}

std::vector<std::int16_t> LevelsOf(const std::vector<LevelRun>& runs) {
    std::vector<std::int16_t> levels;
    for (const LevelRun& run : runs) {
        levels.push_back(run.level);
    }
    return levels;
}

bool IsSound(std::int16_t level) {
    return level != 0;
}

std::function<bool(std::int16_t)> Is(std::int16_t wanted) {
    return [wanted](std::int16_t level) { return level == wanted; };
}

// Gives the device's output up to 20 s to open or close, as asked.
bool WaitForOutput(const AppAudioDevice& device, bool open) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (device.IsOutputOpen() != open && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return device.IsOutputOpen() == open;
}

class AppSoundDiskTest : public testing::Test {
protected:
    void WriteTestSounds() {
        const int channels = AppSoundMixer::channels;
        const int frequency = AppSoundMixer::frequency;
        folder.Write("start.wav", SoundTestFolder::ConstantWave(frequency, channels,
                                                                int(framesStart), levelStart));
        folder.Write("bounce.wav", SoundTestFolder::ConstantWave(frequency, channels,
                                                                 int(framesBounce), levelBounce));
        folder.Write("clear.wav", SoundTestFolder::ConstantWave(frequency, channels,
                                                                int(framesClear), levelClear));
    }

    void Start(const QString& soundFolder) {
        sound = std::make_unique<AppSound>(soundFolder);
        sound->StartOutput();
        sound->WaitForOutput();
    }

    // Lets `frames` more frames reach the output.
    void Let(std::size_t frames) {
        ASSERT_TRUE(output.WaitForFrames(output.Levels().size() + frames));
    }

    // Destroys the player, which closes the output, and reads all of it.
    std::vector<std::int16_t> Finish() {
        sound.reset();
        return output.Levels();
    }

    SoundTestFolder folder;
    DiskAudioOutput output{folder.Path() + "output.raw"};
    std::unique_ptr<AppSound> sound;
};

struct ShippedSound {
    const char* name;
    AppSoundId id;
    double seconds;
};

void PrintTo(const ShippedSound& shipped, std::ostream* out) {
    *out << shipped.name;
}

class AppSoundShippedTest : public AppSoundDiskTest,
                            public testing::WithParamInterface<ShippedSound> {};

TEST_P(AppSoundShippedTest, PlaysWholeAtItsOwnSpeedAndModestVolume) {
    Start(shippedFolder);
    sound->Play(GetParam().id);
    const auto length = static_cast<std::size_t>(GetParam().seconds * rate);
    const long first = output.WaitForLevel(0, IsSound);
    ASSERT_GE(first, 0);
    ASSERT_TRUE(output.WaitForFrames(std::size_t(first) + length + rate / 5));
    const std::vector<std::int16_t> levels = Finish();

    const auto last =
        levels.size() - 1 -
        std::size_t(std::find_if(levels.rbegin(), levels.rend(), IsSound) - levels.rbegin());
    EXPECT_NEAR(double(last - std::size_t(first) + 1), double(length), rate / 100.0);
    int peak = 0;
    for (std::int16_t level : levels) {
        peak = std::max(peak, std::abs(int(level)));
    }
    EXPECT_GT(peak, 4000);
    EXPECT_LT(peak, 16384);
}

INSTANTIATE_TEST_SUITE_P(Sounds, AppSoundShippedTest,
                         testing::Values(ShippedSound{"Start", soundStart, 0.6},
                                         ShippedSound{"Bounce", soundBounce, 0.08},
                                         ShippedSound{"Clear", soundClear, 0.7}),
                         [](const testing::TestParamInfo<ShippedSound>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(AppSoundDiskTest, NewSoundCutsOffThePlayingOneAtOnce) {
    WriteTestSounds();
    Start(folder.Path());
    sound->Play(soundStart);
    ASSERT_GE(output.WaitForLevel(0, Is(levelStart)), 0);
    sound->Play(soundBounce);
    const long bounce = output.WaitForLevel(0, Is(levelBounce));
    ASSERT_GE(bounce, 0);
    ASSERT_TRUE(output.WaitForFrames(std::size_t(bounce) + framesBounce + rate / 10));

    const std::vector<LevelRun> runs = RunsOf(Finish());
    ASSERT_EQ(LevelsOf(runs), (std::vector<std::int16_t>{levelStart, levelBounce, 0}));
    EXPECT_LT(runs[0].frames, framesStart);
    EXPECT_EQ(runs[1].frames, framesBounce);
}

TEST_F(AppSoundDiskTest, StopSilencesThePlayingSound) {
    WriteTestSounds();
    Start(folder.Path());
    sound->Play(soundStart);
    ASSERT_GE(output.WaitForLevel(0, Is(levelStart)), 0);
    sound->Stop();
    Let(rate / 4);

    const std::vector<LevelRun> runs = RunsOf(Finish());
    ASSERT_EQ(LevelsOf(runs), (std::vector<std::int16_t>{levelStart, 0}));
    EXPECT_LT(runs[0].frames, framesStart);
    // A buffer the driver filled before the stop may reach the file only after it.
    EXPECT_GE(runs[1].frames, rate / 4 - AppAudioDevice::bufferFrames);
}

TEST_F(AppSoundDiskTest, DisabledPlayerIsSilentAndPlaysAgainOnceEnabled) {
    WriteTestSounds();
    Start(folder.Path());
    sound->SetEnabled(false);
    for (AppSoundId id : {soundStart, soundBounce, soundClear}) {
        sound->Play(id);
    }
    Let(rate / 4);
    ASSERT_TRUE(RunsOf(output.Levels()).empty()) << "nothing may play while disabled";

    sound->SetEnabled(true);
    sound->Play(soundClear);
    const long clear = output.WaitForLevel(0, Is(levelClear));
    ASSERT_GE(clear, 0);
    ASSERT_TRUE(output.WaitForFrames(std::size_t(clear) + framesClear + rate / 10));

    const std::vector<LevelRun> runs = RunsOf(Finish());
    ASSERT_EQ(LevelsOf(runs), (std::vector<std::int16_t>{levelClear, 0}));
    EXPECT_EQ(runs[0].frames, framesClear);
}

// A silent output closes, so it no longer wakes the program; the next sound opens it again
// and is heard whole from its start.
TEST_F(AppSoundDiskTest, SilentOutputClosesAndTheNextSoundOpensItAgain) {
    const QByteArray clear = SoundTestFolder::ConstantWave(
        AppSoundMixer::frequency, AppSoundMixer::channels, int(framesClear), levelClear);
    AppAudioDevice device(1, std::chrono::milliseconds(100));
    ASSERT_TRUE(device.IsOutputOpen());
    device.SetSound(0, clear.constData(), std::size_t(clear.size()));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(WaitForOutput(device, false));
        // The disk driver starts its file afresh on each opening.
        QFile::remove(folder.Path() + "output.raw");
        device.Play(0);
        const long start = output.WaitForLevel(0, Is(levelClear));
        ASSERT_GE(start, 0);
        ASSERT_TRUE(output.WaitForFrames(std::size_t(start) + framesClear + rate / 50));
        const std::vector<LevelRun> runs = RunsOf(output.Levels());
        ASSERT_EQ(LevelsOf(runs), (std::vector<std::int16_t>{levelClear, 0}));
        EXPECT_EQ(runs[0].frames, framesClear);
    }
}

// An output that cannot open again is reported once however many sounds ask for it, and
// once more only after it has opened in between.
TEST_F(AppSoundDiskTest, OutputThatCannotReopenIsReportedOncePerFailure) {
    const QByteArray clear = SoundTestFolder::ConstantWave(
        AppSoundMixer::frequency, AppSoundMixer::channels, int(framesClear), levelClear);
    const QByteArray goodFile = qgetenv("SDL_DISKAUDIOFILE");
    const QtMessageHandler before = SoundTestFolder::KeepSoundLog();
    const QStringList& reopenTraces = SoundTestFolder::SoundLog();
    AppAudioDevice device(1, std::chrono::milliseconds(50));
    device.SetSound(0, clear.constData(), std::size_t(clear.size()));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(WaitForOutput(device, false));
        setenv("SDL_DISKAUDIOFILE", qPrintable(folder.Path() + "none/output.raw"), 1);
        for (int play = 0; play < 3; ++play) {
            device.Play(0);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        setenv("SDL_DISKAUDIOFILE", goodFile.constData(), 1);
        device.Play(0);
        ASSERT_TRUE(WaitForOutput(device, true));
    }
    qInstallMessageHandler(before);
    ASSERT_EQ(reopenTraces.size(), 2) << reopenTraces.join('\n').toStdString();
    EXPECT_TRUE(reopenTraces[0].contains(QLatin1String("cannot open")));
}

struct IgnoredRequest {
    const char* name;
    std::function<void(AppSound&)> make;
};

void PrintTo(const IgnoredRequest& request, std::ostream* out) {
    *out << request.name;
}

class AppSoundIgnoredTest : public AppSoundDiskTest,
                            public testing::WithParamInterface<IgnoredRequest> {};

// The playing sound goes on through an ignored request, up to the player's destruction.
TEST_P(AppSoundIgnoredTest, LeavesThePlayingSoundAlone) {
    WriteTestSounds();
    Start(folder.Path());
    sound->Play(soundStart);
    ASSERT_GE(output.WaitForLevel(0, Is(levelStart)), 0);
    GetParam().make(*sound);
    Let(rate / 4);

    std::vector<LevelRun> runs = RunsOf(Finish());
    // The output thread may feed one more buffer, of silence, while the player closes it.
    if (runs.size() == 2 && runs[1].level == 0)
        runs.pop_back();
    ASSERT_EQ(LevelsOf(runs), (std::vector<std::int16_t>{levelStart}));
    EXPECT_GE(runs[0].frames, rate / 4);
    EXPECT_LT(runs[0].frames, framesStart);
}

INSTANTIATE_TEST_SUITE_P(Requests, AppSoundIgnoredTest,
                         testing::Values(IgnoredRequest{"PlayWhileDisabled",
                                                        [](AppSound& s) {
                                                            s.SetEnabled(false);
                                                            s.Play(soundBounce);
                                                        }},
                                         IgnoredRequest{"UnknownSoundNumbers",
                                                        [](AppSound& s) {
                                                            s.Play(static_cast<AppSoundId>(-1));
                                                            s.Play(static_cast<AppSoundId>(
                                                                appSoundCount));
                                                        }}),
                         [](const testing::TestParamInfo<IgnoredRequest>& info) {
                             return std::string(info.param.name);
                         });

struct BrokenImage {
    const char* name;
    QByteArray image;
};

void PrintTo(const BrokenImage& broken, std::ostream* out) {
    *out << broken.name;
}

class AppSoundBrokenTest : public AppSoundDiskTest,
                           public testing::WithParamInterface<BrokenImage> {};

// A sound read whole but not decodable is silent: it ends the sound before it like any
// new sound, and the other sounds still play.
TEST_P(AppSoundBrokenTest, UndecodableSoundIsSilentAndOthersStillPlay) {
    WriteTestSounds();
    folder.Write("bounce.wav", GetParam().image);
    Start(folder.Path());
    // Only after the start: the disk driver itself announces where it writes.
    testing::internal::CaptureStderr();
    sound->Play(soundStart);
    ASSERT_GE(output.WaitForLevel(0, Is(levelStart)), 0);
    sound->Play(soundBounce);
    Let(rate / 10);
    sound->Play(soundClear);
    const long clear = output.WaitForLevel(0, Is(levelClear));
    ASSERT_GE(clear, 0);
    ASSERT_TRUE(output.WaitForFrames(std::size_t(clear) + framesClear + rate / 10));

    const std::vector<LevelRun> runs = RunsOf(Finish());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(LevelsOf(runs), (std::vector<std::int16_t>{levelStart, 0, levelClear, 0}));
    EXPECT_GE(runs[1].frames, rate / 10);
    EXPECT_EQ(runs[2].frames, framesClear);
}

INSTANTIATE_TEST_SUITE_P(
    Images, AppSoundBrokenTest,
    testing::Values(BrokenImage{"TruncatedHeader", SoundTestFolder::TruncatedWave()},
                    BrokenImage{"RandomBytes", SoundTestFolder::RandomBytes(3000)},
                    BrokenImage{"UnknownFormat", SoundTestFolder::UnknownFormatWave()}),
    [](const testing::TestParamInfo<BrokenImage>& info) { return std::string(info.param.name); });

} // namespace
