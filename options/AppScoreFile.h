// The scores file on disk: one line appended per finished game, rewrites that lose no other copy's
// game.
#pragma once

#include "AppScoreBook.h"

#include <functional>
#include <string>

// A finished game is appended as one whole line in a single write to the
// file opened for appending, then flushed to disk: two copies of the game
// appending at once never lose or tear each other's lines, and a crash later
// loses nothing already written. A line left torn by a full disk is ended
// before the next one, so it stays one damaged line.
//
// Rewrites (Clear, a new name, the bound) replace the file atomically and
// only with a change of what was read from it.
//
// A file that exists but cannot be read whole, is read-only, is a link to
// anything but a regular file, or names a later version of the format is left
// as it is: what can be read is shown, nothing is written.
class AppScoreFile {
public:
    enum class Outcome {
        written,
        notReadWhole, // the file is left as it is
        laterVersion, // the file is left as it is
        notWritable,  // read-only, or a link to something that is no regular file
        failed,       // the write itself failed (full disk, I/O error)
    };

    explicit AppScoreFile(std::string path) : path_(std::move(path)) {}
    AppScoreFile(const AppScoreFile&) = default;
    AppScoreFile& operator=(const AppScoreFile&) = default;
    virtual ~AppScoreFile() = default;

    const std::string& Path() const { return path_; }

    // The games in the file; `readWhole`, when given, is set false when the
    // file exists but could not be read whole (the book then holds nothing).
    AppScoreBook Load(bool* readWhole = nullptr) const;

    // Appends `game` and adds it to `book`, which is loaded again first so
    // that it holds every game the file held.
    Outcome Append(const AppScoreGame& game, AppScoreBook& book) const;

    // Reads the file, applies `change` and the bound, and replaces the file
    // with the result; `book` is left holding what the file now holds.
    Outcome Rewrite(const std::function<void(AppScoreBook&)>& change, AppScoreBook& book) const;

private:
    std::string path_;
};
