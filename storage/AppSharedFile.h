// A file that running copies of the game all rewrite: each save merges what the file holds.
#pragma once

#include <functional>
#include <string>

// A save is one critical section between copies: an exclusive advisory lock
// on "<file>.lock" beside the file. Under it the file is read, the caller
// merges its own data into the text read, and the result replaces the file
// (see AppDurableFile::Replace). The lock waits at most lockWaitMs for another
// copy's save to end (a stopped copy must not hold this one), then the save
// goes on without it.
//
// Whether locked or not, a save never replaces a text it did not read: just
// before the rename it checks that the file is still the one read. If another
// copy changed it, the file is read and merged again, up to `attempts` reads in
// all; the last merge then replaces the file whatever happened since, so a
// save always ends. A copy that finishes its save later merges what this one
// wrote, so whichever finishes last writes a merge of both.
//
// A lock file that cannot be opened for writing (another user's, a folder) is
// opened read-only, which is enough to lock it; with no lock file at all the
// check above still holds. No lock file is made beside a file that would not
// be replaced anyway (read-only, not a regular file).
class AppSharedFile {
public:
    // Gives the text to write from the text the file holds now (empty when
    // missing). Called once per attempt.
    using Merge = std::function<std::string(const std::string& current)>;
    // Takes one line on a save that failed, went on without the lock, or had
    // to merge again.
    using Report = std::function<void(const std::string& line)>;

    static constexpr int defaultLockWaitMs = 5000;
    static constexpr int attempts = 4;

    explicit AppSharedFile(std::string path, Report report = {},
                           int lockWaitMs = defaultLockWaitMs);

    // Replaces the file with merge(current). While the file does not exist,
    // `current` comes from `missingFrom` when one is given (a file read before
    // this one was first saved). False when nothing was saved: the file (or
    // `missingFrom`) exists but could not be read whole, or the replace failed.
    bool Save(const Merge& merge, const std::string& missingFrom = {}) const;

private:
    void Say(const std::string& line) const;

    std::string path_;
    Report report_;
    int lockWaitMs_;
};
