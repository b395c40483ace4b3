// The saved game's place on disk: claimed by the copy that resumes it, filled at the end.
#include "AppSavedGameSlot.h"

#include "AppDurableFile.h"
#include "AppGameFile.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <unistd.h>

std::string AppSavedGameSlot::PlacePath(int place) const {
    return folder_ + "/game" + (place == 1 ? std::string() : '.' + std::to_string(place));
}

void AppSavedGameSlot::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

std::optional<AppSavedGame> AppSavedGameSlot::Claim() {
    const std::string own = folder_ + "/game.claimed-" + std::to_string(::getpid());
    for (int place = 1; place <= places && claimed_.empty(); ++place)
        if (std::rename(PlacePath(place).c_str(), own.c_str()) == 0)
            claimed_ = own;
    if (claimed_.empty())
        return std::nullopt;
    AppDurableFile file(claimed_);
    std::string text;
    if (file.Read(text) != AppDurableFile::ReadResult::Read) {
        Reject(file.Failure().empty() ? "it could not be read" : file.Failure());
        return std::nullopt;
    }
    std::string reason;
    std::optional<AppSavedGame> saved = AppGameFile::ReadSaved(text, reason);
    if (!saved)
        Reject(reason);
    return saved;
}

void AppSavedGameSlot::Reject(const std::string& reason) {
    if (claimed_.empty())
        return;
    const std::string aside = folder_ + "/game.damaged-" + std::to_string(std::time(nullptr)) +
                              '-' + std::to_string(::getpid());
    if (std::rename(claimed_.c_str(), aside.c_str()) == 0)
        Say("The saved game was not resumed (" + reason + "); it is kept as " + aside);
    else
        Say("The saved game was not resumed (" + reason + "); it is kept as " + claimed_);
    claimed_.clear();
}

void AppSavedGameSlot::Release() {
    if (!claimed_.empty())
        std::remove(claimed_.c_str());
    claimed_.clear();
}

bool AppSavedGameSlot::Put(const AppSavedGame& saved) {
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    const std::string text = AppGameFile::Text(saved);
    for (int place = 1; place <= places; ++place) {
        const std::string path = PlacePath(place);
        AppDurableFile file(path);
        std::string waiting;
        if (file.Read(waiting) != AppDurableFile::ReadResult::Missing)
            continue;
        // Another copy may take the place between the read and the replace: the replace
        // then refuses, and the next place is tried.
        if (file.Replace(text)) {
            if (place > 1)
                Say("Another saved game waits in " + PlacePath(1) + "; this one is kept as " +
                    path + " and resumed at a later start");
            return true;
        }
        if (!file.ChangedSinceRead()) {
            Say("The game in play was not saved to " + path + ": " + file.Failure());
            return false;
        }
    }
    Say("The game in play was not saved: " + std::to_string(places) +
        " saved games already wait in " + folder_);
    return false;
}
