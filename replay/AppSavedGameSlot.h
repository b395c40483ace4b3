// The saved game's place on disk: claimed by the copy that resumes it, kept while it plays.
#pragma once

#include "AppDurableFile.h"
#include "AppSavedGame.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>

// A game left at the end of a run waits as "game" in the player's data folder. While a copy
// plays, its game lives in a file of its own, "game.claimed-<process>" (a further slot of the
// same process, as tests make, adds "-<n>"): a copy that resumes a
// game renames the waiting file to that name, which only one copy can do, and the game in
// play is written there again and again (Keep), so that a crash loses only what was played
// since. At the end of the run the file is moved to "game" (Put); when "game" is taken it goes
// to the first free of "game.2" to "game.9" instead, which later starts resume in turn. The
// move never replaces a file: one that another copy moved there meanwhile stays. A start also
// resumes the file of a copy that is gone (no such process, or one that is not this
// program), so a game outlives a crash of its copy; the file of a copy still running is left
// to it. A file that cannot be resumed is never deleted: it is renamed to
// "game.damaged-<seconds>-<process>" (the second and later of one slot add "-<n>") with one
// line reported.
//
// The calls of one run, in order: Claim at start; then Reject or Resumed for a game claimed;
// Keep while a game is in play; Discard when it ends; Put at the end of the run. Keep and
// Discard may run on a writing thread of their own; calls never overlap (a lock orders them),
// so a caller that posts Keep and Discard to one queue keeps them in the order of play.
class AppSavedGameSlot {
public:
    using Report = std::function<void(const std::string& line)>;
    // True when process `process` is a running copy of this program.
    using CopyRunning = std::function<bool(pid_t process)>;
    // Renames `from` to `to` unless `to` exists; false with errno set (EEXIST when it does).
    using Move = std::function<bool(const std::string& from, const std::string& to)>;

    struct Claimed {
        AppSavedGame saved;
        // False when the game could not be claimed (a read-only folder): it is resumed from
        // where it waits, this copy keeps nothing of it, and it waits there for the next start.
        bool kept = true;
    };

    static constexpr int places = 9;

    // Moves without replacing: a rename that refuses an existing target, or a hard link and
    // the removal of the old name where the file system has no such rename.
    static bool MoveWithoutReplacing(const std::string& from, const std::string& to);

    AppSavedGameSlot(std::string folder, Report report,
                     CopyRunning copyRunning = AppDurableFile::RunningCopy,
                     Move move = MoveWithoutReplacing);
    AppSavedGameSlot(const AppSavedGameSlot&) = delete;
    AppSavedGameSlot& operator=(const AppSavedGameSlot&) = delete;
    virtual ~AppSavedGameSlot() = default;

    // Removes the temporary files of saves whose copies are gone, then claims and reads the
    // first saved game there is: "game" to "game.9", then the files of copies that are gone.
    // One that cannot be read is set aside and the next is tried. Nothing when none is left.
    std::optional<Claimed> Claim();
    // The claimed game could not be resumed: it is set aside, with the reason reported. False
    // when it could not be moved and stays where it was claimed.
    bool Reject(const std::string& reason);
    // The claimed game is resumed: its file stays as this copy's, for Keep to write again.
    void Resumed();
    // Writes the game in play to this copy's file, atomically. False, with a line reported
    // (once until a write works again), when it could not be written.
    bool Keep(const AppSavedGame& saved);
    // The game in play ended (game over, a new game): this copy's file goes.
    void Discard();
    // The end of the run: writes the game in play to this copy's file and moves it to the
    // first free place. False, with a line reported, when it could not be written or moved;
    // this copy's file then stays, and a later start resumes it.
    bool Put(const AppSavedGame& saved);

private:
    std::string PlacePath(int place) const;
    void Say(const std::string& line) const;
    std::optional<Claimed> ReadClaimed(const std::string& path, bool kept);
    // True for "game.claimed-<process>[-<n>]" of another process that is no running copy.
    bool OwnerGone(const std::string& name) const;
    bool Write(const AppSavedGame& saved);
    bool SetAside(const std::string& reason);

    const std::string folder_;
    const std::string own_;
    Report report_;
    CopyRunning copyRunning_;
    Move move_;
    std::mutex mutex_;
    // The file of the game claimed: own_, or where it waits when it could not be claimed.
    std::string claimed_;
    bool keepFailed_ = false;
    // Files set aside so far, which numbers their names.
    int setAside_ = 0;
    // Names tried for one file before giving up on a folder that refuses them all.
    static constexpr int maxAsideTries = 10'000;
};
