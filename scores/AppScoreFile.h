// The scores file on disk: read whole, changed only by a merge with what it holds now.
#pragma once

#include "AppScoreBook.h"
#include "AppSharedFile.h"

#include <functional>
#include <string>

// Every change (a finished game, Clear, a new name) is a merge under the lock
// that running copies of the game share: the file is read, changed, held to
// the bound and replaced atomically, and only while it is still the file that
// was read (see AppSharedFile). So two copies playing at once never lose each
// other's games, and a crash or a kill leaves the old or the new file whole.
//
// A file that exists but cannot be read whole, is read-only, is a link to
// anything but a regular file, or names a later version of the format is left
// as it is: what could be read is shown, nothing is written, and the report
// says why in one line.
class AppScoreFile {
public:
    using Report = AppSharedFile::Report;
    using Change = std::function<void(AppScoreBook&)>;

    explicit AppScoreFile(std::string path, Report report = {})
        : path_(std::move(path)), report_(std::move(report)) {}

    const std::string& Path() const { return path_; }

    // The games in the file; none when it cannot be read whole.
    AppScoreBook Load() const;

    // Applies `change` (add a finished game, clear a table, rename) to what
    // the file holds now, creating the file and its folder when missing.
    // `change` may run more than once, each time on what the file holds then.
    // `book` is left holding what the file holds afterwards; false when
    // nothing was written, and `book` then holds what could be read.
    bool Rewrite(const Change& change, AppScoreBook& book) const;

private:
    void Say(const std::string& line) const;

    std::string path_;
    Report report_;
};
