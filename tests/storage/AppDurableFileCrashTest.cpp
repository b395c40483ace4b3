// A save killed at any moment leaves either the old or the new file, whole.
#include "AppDurableFile.h"

#include "AppIniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string firstValue = "24,18,6,6,60,160,1";
const std::string secondValue = "16,16,1,1,32,240,1";

// Many sections make one save take long enough to be killed half-way.
std::string PaddedSettings(const std::string& value) {
    AppIniFile ini;
    for (int i = 0; i < 3000; ++i)
        ini.WriteString("Pad" + std::to_string(i), "Text", std::string(40, 'a' + i % 26));
    ini.WriteString("Settings", "PlayOptions", value);
    return ini.Text();
}

// Loads, flips the one value and saves, as a run of the game would at exit.
[[noreturn]] void SaveForever(const std::string& path) {
    for (;;) {
        AppDurableFile file(path);
        std::string text;
        file.Read(text);
        AppIniFile ini = AppIniFile::FromText(std::move(text));
        const bool isFirst = ini.ReadString("Settings", "PlayOptions") == firstValue;
        ini.WriteString("Settings", "PlayOptions", isFirst ? secondValue : firstValue);
        if (!file.Replace(ini.Text()))
            ::_exit(2);
    }
}

TEST(AppDurableFileCrash, KilledSavesNeverLeaveATornOrMissingFile) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    const std::string first = PaddedSettings(firstValue);
    const std::string second = PaddedSettings(secondValue);
    WriteWholeFile(path, first);

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    int sawFirst = 0;
    int sawSecond = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            SaveForever(path);
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself: " << status;

        const std::string now = ReadWholeFile(path);
        ASSERT_TRUE(now == first || now == second)
            << "after kill " << kill << " the file holds " << now.size() << " bytes";
        (now == first ? sawFirst : sawSecond) += 1;
    }
    RecordProperty("first", sawFirst);
    RecordProperty("second", sawSecond);
}

} // namespace
