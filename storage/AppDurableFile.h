// A file read whole and replaced whole, so that a crash leaves either its old or its new text.
#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// A file that exists but cannot be read whole (larger than MaxFileSize, an I/O
// error, not a regular file) reads as empty and is never replaced by this
// object: what it holds is not ours to lose.
class AppDurableFile {
public:
    // A settings or scores file is a few kilobytes; a larger one is someone
    // else's doing, and reading it whole at every start and save would slow both.
    static constexpr std::size_t MaxFileSize = std::size_t{4} * 1024 * 1024;

    enum class ReadResult { Missing, Read, NotReadWhole };

    // The points a save passes, in order. A test program that defines AppWatchSaveStage (see
    // below) holds a copy of the game at one of them to see what another copy does meanwhile;
    // the program defines none, and passing a stage does nothing.
    enum class SaveStage { LockTaken, TemporaryWritten, StillTheFileRead, Renaming };
    static void PassStage(SaveStage stage);

    explicit AppDurableFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // Reads the file whole into `text`; a missing file or one not read whole
    // leaves `text` empty. Nothing but a regular file is even opened: opening
    // a device can have effects of its own.
    ReadResult Read(std::string& text);

    // Writes `text` to the file atomically: a new file in the same folder is
    // written, flushed to disk and renamed over the target, and the folder is
    // flushed. A symbolic link is followed to the regular file it leads to.
    // Refused, with false and nothing touched, when this object's Read found a
    // file it could not read whole, or the target is anything but a missing or
    // regular file (a link to nothing, a device, a FIFO, a folder), or it is
    // read-only (no write permission bit, or not writable by us). Any failure
    // before the rename gives false, removes the new file and leaves the old
    // file as it was. A failure to flush the folder after it also gives false:
    // the new text is in place but may not survive a power cut. The new file
    // takes the old one's permissions. Temporary files of saves that were
    // killed are removed, also those of files named after this one (the
    // changes left beside it, see AppSharedFile). After a Read, the file is replaced only while it
    // is still the one read (same device, inode, size and modification time, or still missing),
    // checked just before the rename: otherwise false, and ChangedSinceRead() tells.
    bool Replace(std::string_view text);

    // True while `process` is a running copy of this program: it exists and the system
    // gives it this program's name (or no name that can be read).
    static bool RunningCopy(pid_t process);

    // Removes the temporary files that saves killed before their rename left beside
    // `target` and beside the files named after it ("<target>.<more>"). Each name carries
    // its writer's process number; a file of a copy still running is its save in
    // progress and stays.
    static void RemoveStaleTemporaries(const std::string& target);

    // True when the last Replace found the file changed since this object read it.
    bool ChangedSinceRead() const { return changedSinceRead_; }

    // False, with the reason in Failure(), when Replace would be refused
    // whatever the text: the file is not missing or a regular file, or read-only.
    bool Replaceable();

    // Why the last Read did not read the file whole, or the last Replace
    // failed, in a few words. Those a window puts in the player's language are these fixed
    // ones, the second followed by the system's message in brackets; the others are the
    // system's own messages or name a program fault.
    static constexpr std::string_view notRegularFile = "not a regular file";
    static constexpr std::string_view linkToNothing = "a link to nothing";
    static constexpr std::string_view readOnly = "read-only";
    const std::string& Failure() const { return failure_; }

private:
    // What identifies the text a file holds without reading it again.
    struct Identity {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified = {};

        bool operator==(const Identity& other) const;
    };

    static Identity IdentityOf(const std::string& path);
    bool Fail(std::string why);

    std::string path_;
    bool readWhole_ = true;
    std::optional<Identity> read_;
    bool changedSinceRead_ = false;
    std::string failure_;
};

// Defined only in a test program that watches the stages of its saves.
[[gnu::weak]] void AppWatchSaveStage(AppDurableFile::SaveStage stage);
