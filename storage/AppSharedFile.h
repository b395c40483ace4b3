// A file that running copies of the game all rewrite: each save merges what the file holds.
#pragma once

#include "AppDurableFile.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A change to the file is a text of its own, which Fold applies to what the
// file holds; any copy of the game can apply any other copy's change.
//
// A save is one critical section between copies: an exclusive advisory lock
// on "<file>.lock" beside the file. Under it the file is read, the changes
// other copies left beside it are applied, oldest first, then this save's own
// change, and the result replaces the file (see AppDurableFile::Replace); the
// changes applied are then removed. Changes left meanwhile are applied in a
// further round while the lock is still held. Just before the rename the save
// checks that the file is still the one read: a program that writes without
// the lock may have changed it, and then the file is read and merged again, up
// to `attempts` reads in all.
//
// Nothing is ever written over the file without the lock. A save that does not
// get the lock within lockWaitMs (another copy is saving, or is stopped in the
// middle of its save), or that keeps meeting changes, leaves its change beside
// the file, atomically, as "<file>.pending-<time>-<process>-<count>", for the
// next copy that holds the lock. Readers see the file with those changes
// applied, so what they read is whole and nothing is missing from it.
//
// A change left beside the file that this program cannot read (empty, damaged, not a change
// at all, too large to be read whole) is renamed aside to "<its name>.damaged", with one line
// saying why, and the save goes on. A change of a later version of the format waits beside the file
// for a program that knows it, and the save goes on without it. A copy leaves at most one change of
// its own beside the file: a newer one takes the older one in (see Join) and replaces it.
//
// A change is applied idempotently by its Fold: a copy killed after its rename
// and before removing the changes it applied leaves them to be applied again.
// A lock file that cannot be opened for writing (another user's, a folder) is
// opened read-only, which is enough to lock it. No lock file and no change is
// made beside a file that would not be replaced anyway (read-only, not a
// regular file).
class AppSharedFile {
public:
    // What a Fold makes of a change: the new text, or why there is none.
    struct Folded {
        enum class Refused { No, LaterFile, LaterChange, Unreadable };

        // Nothing means that `current` is not this program's to change (a later version).
        Folded(std::optional<std::string> folded)
            : text(std::move(folded)), refused(text ? Refused::No : Refused::LaterFile) {}
        Folded(Refused why, std::string reason = {}) : refused(why), reason(std::move(reason)) {}

        std::optional<std::string> text;
        Refused refused;
        // Why an unreadable change cannot be read, in a few words.
        std::string reason;
    };
    // The text that `change` makes of `current` (empty when missing).
    using Fold = std::function<Folded(const std::string& current, const std::string& change)>;
    // One change doing what `older` and then `newer` (both of this copy) do; without one,
    // `newer` replaces `older`.
    using Join = std::function<std::string(const std::string& older, const std::string& newer)>;
    // Takes one line on a save that failed, left its change beside the file,
    // or had to merge again.
    using Report = std::function<void(const std::string& line)>;

    enum class Outcome { Saved, LeftBeside, NotSaved };

    static constexpr int defaultLockWaitMs = 5000;
    static constexpr int attempts = 4;

    AppSharedFile(std::string path, Fold fold, Report report = {},
                  int lockWaitMs = defaultLockWaitMs, Join join = {});

    const std::string& Path() const { return path_; }

    // Reads the file with the changes left beside it applied, oldest first.
    // A file not read whole gives only those changes, and the reason in
    // `failure`.
    AppDurableFile::ReadResult Read(std::string& text, std::string& failure) const;

    // Saves `change` as described above. While the file does not exist, it is
    // first read from `missingFrom` when one is given (a file read before this
    // one was first saved). NotSaved when the file (or `missingFrom`) exists
    // but could not be read whole, Fold refused it, the result would pass
    // AppDurableFile::MaxFileSize, or neither the replace nor leaving the
    // change beside the file worked.
    Outcome Save(const std::string& change, const std::string& missingFrom = {}) const;

    // The changes beside the file, oldest first.
    std::vector<std::string> PendingPaths() const;

    // The line that tells of a file left as it is because it could not be read whole, the
    // same whether a read or a save met it.
    static std::string NotReadWhole(const std::string& path, const std::string& failure);

private:
    struct Pending {
        std::string path;
        std::string change;
    };

    std::vector<Pending> PendingChanges() const;
    Outcome LeaveBeside(const std::string& change, const std::string& why) const;
    void SetAside(const Pending& pending, const std::string& why) const;
    // This copy's changes beside the file, oldest first.
    std::vector<std::string> OwnPendingPaths() const;
    void Say(const std::string& line) const;

    std::string path_;
    Fold fold_;
    Report report_;
    int lockWaitMs_;
    Join join_;
};
