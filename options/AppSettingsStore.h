// The settings file shared by copies of the game that run at the same time.
#pragma once

#include "AppSettingsValues.h"
#include "AppSharedFile.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>

// Two copies of the game each read the file at start and write it at exit. A
// save (see AppSharedFile) reads the file again, and when another copy changed
// the stored record since this copy read it, the higher score and the higher
// phase, each on its own, are kept, so a record set in the other copy is not
// lost. A record the player cleared in this run is written as it stands; so is
// the record when nobody else changed it (with Restore Record off, this run's
// record replaces the stored one). Every other value is the one of the copy
// that saved last: a copy that could not get the lock leaves its values
// beside the file (see AppSharedFile), and they are merged in the same way,
// record and all, when the next copy saves, after whatever the file holds then
// and before that copy's own values. Load reads them too. A file not read
// whole, and a save that fails, left its values beside the file or merged
// again, each leave one line with the report, once in a run.
class AppSettingsStore {
public:
    using Report = AppSharedFile::Report;

    // How long a save waits for another copy's save to end, and where its
    // failures are told.
    explicit AppSettingsStore(int lockWaitMs = AppSharedFile::defaultLockWaitMs, Report report = {})
        : lockWaitMs_(lockWaitMs), report_(std::move(report)) {}

    // Reads the file at `path` into `working` as ReadSettingsValues does and
    // remembers the record it held.
    void Load(const std::string& path, AppSettingsValues& working);

    // The player cleared the record in this run.
    void RecordCleared() { recordCleared_ = true; }

    // Writes `values` into the file at `writePath` as it is now (into the one
    // at `readPath` while that one does not exist yet) and saves it there.
    // False when nothing was saved.
    bool Save(const std::string& readPath, const std::string& writePath,
              const AppSettingsValues& values);

    // This copy's save as a change to the file: `values`, with the record
    // this copy read and whether the player cleared it.
    std::string Change(const AppSettingsValues& values) const;
    // The text a change makes of `current`: its values written into it, with
    // the record merged as described above. A change that does not say with
    // which record it was made is not this program's and is refused as
    // unreadable; one of a later format waits.
    static AppSharedFile::Folded Fold(const std::string& current, const std::string& change);
    // One change doing what `older` and then `newer` of the same copy do: the newer values,
    // merged against the record the older change was made with, the record cleared when
    // either cleared it.
    static std::string Join(const std::string& older, const std::string& newer);

private:
    void Say(const std::string& line);

    int lockWaitMs_;
    Report report_;
    std::int32_t loadedScore_ = 0;
    std::int32_t loadedPhase_ = 0;
    bool recordCleared_ = false;
    // The lines told in this run.
    std::set<std::string> told_;
};
