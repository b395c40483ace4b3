// The settings file shared by copies of the game that run at the same time.
#include "AppSettingsStore.h"

#include "AppDurableFile.h"

#include <algorithm>

void AppSettingsStore::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

void AppSettingsStore::Load(const std::string& path, AppSettingsValues& working) {
    std::string text;
    AppDurableFile file(path);
    if (file.Read(text) == AppDurableFile::ReadResult::NotReadWhole)
        Say("Settings file " + path + " left as it is, not read whole: " + file.Failure());
    ReadSettingsValues(AppIniFile::FromText(std::move(text)), working);
    loadedScore_ = working.recordScore;
    loadedPhase_ = working.recordPhase;
}

std::string AppSettingsStore::MergedText(const std::string& current,
                                         AppSettingsValues& values) const {
    AppIniFile ini = AppIniFile::FromText(current);
    AppSettingsValues stored;
    ReadSettingsValues(ini, stored);
    const bool changedElsewhere =
        stored.recordScore != loadedScore_ || stored.recordPhase != loadedPhase_;
    if (changedElsewhere && !recordCleared_) {
        values.recordScore = std::max(values.recordScore, stored.recordScore);
        values.recordPhase = std::max(values.recordPhase, stored.recordPhase);
    }
    WriteSettingsValues(ini, values);
    return ini.Text();
}

bool AppSettingsStore::Save(const std::string& readPath, const std::string& writePath,
                            const AppSettingsValues& values) {
    AppSettingsValues saved;
    const auto merge = [&](const std::string& current) {
        saved = values;
        return MergedText(current, saved);
    };
    if (!AppSharedFile(writePath, report_, lockWaitMs_).Save(merge, readPath))
        return false;
    loadedScore_ = saved.recordScore;
    loadedPhase_ = saved.recordPhase;
    recordCleared_ = false;
    return true;
}
