// The scores file on disk: read whole, changed only by a merge with what it holds now.
#pragma once

#include "AppScoreBook.h"
#include "AppSharedFile.h"

#include <functional>
#include <optional>
#include <string>

// Every change (a finished game, Clear, a new name) is an edit of the games
// (see AppScoreBook::Edit) merged under the lock that running copies of the
// game share: the file is read, the edits other copies left beside it and
// this one are applied, the book is held to its bounds and the file replaced
// atomically, only while it is still the file that was read (see
// AppSharedFile). A copy that cannot get the lock leaves its edit beside the
// file for the next one; readers see those edits too. So two copies playing
// at once never lose each other's games, one stopped in the middle of its save
// holds up no other, and a crash or a kill leaves the old or the new file whole.
//
// A file that exists but cannot be read whole, is read-only, is a link to
// anything but a regular file, or names a later version of the format is left
// as it is: what could be read is shown, nothing is written, and the report
// says why in one line.
class AppScoreFile {
public:
    using Report = AppSharedFile::Report;
    using Change = std::function<void(AppScoreBook&)>;
    using Outcome = AppSharedFile::Outcome;

    explicit AppScoreFile(std::string path, Report report = {})
        : path_(std::move(path)), report_(std::move(report)) {}

    const std::string& Path() const { return path_; }

    // The games in the file with the edits left beside it; only those when
    // the file cannot be read whole.
    AppScoreBook Load() const;

    // Applies `change` to `book` and gives the edit it made.
    static std::string Prepare(const Change& change, AppScoreBook& book);

    // Saves an edit made by Prepare, creating the file and its folder when
    // missing; a lock wait ends after `lockWaitMs`.
    Outcome Deliver(const std::string& edit,
                    int lockWaitMs = AppSharedFile::defaultLockWaitMs) const;

    // Load, Prepare and Deliver in one. `book` is left holding what readers
    // see afterwards; false when the change was neither saved nor left beside
    // the file, and `book` then holds what could be read.
    bool Rewrite(const Change& change, AppScoreBook& book,
                 int lockWaitMs = AppSharedFile::defaultLockWaitMs) const;

    // What an edit makes of the text of a scores file: refused when the file
    // is of a later version, or the edit (which then waits), or when the edit
    // cannot be read.
    static AppSharedFile::Folded Fold(const std::string& current, const std::string& edit);

private:
    AppSharedFile Shared(int lockWaitMs) const;
    void Say(const std::string& line) const;

    std::string path_;
    Report report_;
};
