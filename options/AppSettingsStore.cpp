// The settings file shared by copies of the game that run at the same time.
#include "AppSettingsStore.h"

#include "AppCommaList.h"
#include "AppDecimal.h"
#include "AppDurableFile.h"

#include <algorithm>

namespace {

// The section of a change, never written to the settings file, that tells how
// its record is merged.
constexpr std::string_view changeSection = "Change";
// The format of a change; a change written before it had one reads as the first.
constexpr std::int32_t changeFormat = 1;

} // namespace

void AppSettingsStore::Say(const std::string& line) {
    // A fault met again by a later save of the run (the file still too large, still
    // read-only) was told already.
    if (report_ && told_.insert(line).second)
        report_(line);
}

void AppSettingsStore::Load(const std::string& path, AppSettingsValues& working) {
    // Temporary files that saves of copies now gone left beside the file go first.
    AppDurableFile::RemoveStaleTemporaries(path);
    std::string text;
    std::string failure;
    const AppSharedFile file(path, Fold, [this](const std::string& line) { Say(line); });
    if (file.Read(text, failure) == AppDurableFile::ReadResult::NotReadWhole)
        Say(AppSharedFile::NotReadWhole(path, failure));
    ReadSettingsValues(AppIniFile::FromText(std::move(text)), working);
    loadedScore_ = working.recordScore;
    loadedPhase_ = working.recordPhase;
}

std::string AppSettingsStore::Change(const AppSettingsValues& values) const {
    AppIniFile change;
    WriteSettingsValues(change, values);
    change.WriteString(changeSection, "LoadedRecord",
                       std::to_string(loadedScore_) + "," + std::to_string(loadedPhase_));
    change.WriteString(changeSection, "RecordCleared", recordCleared_ ? "1" : "0");
    change.WriteString(changeSection, "Format", std::to_string(changeFormat));
    return change.Text();
}

AppSharedFile::Folded AppSettingsStore::Fold(const std::string& current,
                                             const std::string& change) {
    using Refused = AppSharedFile::Folded::Refused;
    const AppIniFile changeIni = AppIniFile::FromText(change);
    const std::string format = changeIni.ReadString(changeSection, "Format");
    const std::optional<std::int32_t> formatNumber =
        format.empty() ? changeFormat : ParseDecimal(format);
    if (!formatNumber || *formatNumber < 1)
        return {Refused::Unreadable, "not a settings change: no valid format"};
    if (*formatNumber > changeFormat)
        return {Refused::LaterChange};
    const std::vector<std::string> loaded =
        SplitCommaList(changeIni.ReadString(changeSection, "LoadedRecord"));
    const std::optional<std::int32_t> loadedScore =
        loaded.size() == 2 ? ParseDecimal(loaded[0]) : std::nullopt;
    const std::optional<std::int32_t> loadedPhase =
        loaded.size() == 2 ? ParseDecimal(loaded[1]) : std::nullopt;
    if (!loadedScore || !loadedPhase)
        return {Refused::Unreadable, "not a settings change: no record it was made with"};
    AppSettingsValues values;
    ReadSettingsValues(changeIni, values);
    AppIniFile ini = AppIniFile::FromText(current);
    AppSettingsValues stored;
    ReadSettingsValues(ini, stored);
    const bool changedElsewhere =
        stored.recordScore != *loadedScore || stored.recordPhase != *loadedPhase;
    if (changedElsewhere && changeIni.ReadString(changeSection, "RecordCleared") != "1") {
        values.recordScore = std::max(values.recordScore, stored.recordScore);
        values.recordPhase = std::max(values.recordPhase, stored.recordPhase);
    }
    // A point scored in either copy was scored.
    values.pointScored = values.pointScored || stored.pointScored;
    WriteSettingsValues(ini, values);
    return std::optional<std::string>(ini.Text());
}

std::string AppSettingsStore::Join(const std::string& older, const std::string& newer) {
    const AppIniFile first = AppIniFile::FromText(older);
    AppIniFile joined = AppIniFile::FromText(newer);
    joined.WriteString(changeSection, "LoadedRecord",
                       first.ReadString(changeSection, "LoadedRecord"));
    if (first.ReadString(changeSection, "RecordCleared") == "1")
        joined.WriteString(changeSection, "RecordCleared", "1");
    return joined.Text();
}

bool AppSettingsStore::Save(const std::string& readPath, const std::string& writePath,
                            const AppSettingsValues& values) {
    const AppSharedFile file(
        writePath, Fold, [this](const std::string& line) { Say(line); }, lockWaitMs_, Join);
    if (file.Save(Change(values), readPath) == AppSharedFile::Outcome::NotSaved)
        return false;
    // What this copy wrote is what it read from now on.
    loadedScore_ = values.recordScore;
    loadedPhase_ = values.recordPhase;
    recordCleared_ = false;
    return true;
}
