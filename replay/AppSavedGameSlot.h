// The saved game's place on disk: claimed by the copy that resumes it, filled at the end.
#pragma once

#include "AppSavedGame.h"

#include <functional>
#include <optional>
#include <string>

// The game in play is kept as "game" in the player's data folder. A copy that resumes it
// first renames it to a name of its own ("game.claimed-<process>"), which only one copy
// can do, so a second copy started meanwhile finds no game and opens on the title. When
// "game" is taken at the end (another copy left its game there), the game goes to the
// first free of "game.2" to "game.9" instead, which later starts resume in turn, and the
// report says so. A file that cannot be resumed is never deleted: it is renamed to
// "game.damaged-<seconds>-<process>" with one line reported.
class AppSavedGameSlot {
public:
    using Report = std::function<void(const std::string& line)>;
    static constexpr int places = 9;

    AppSavedGameSlot(std::string folder, Report report)
        : folder_(std::move(folder)), report_(std::move(report)) {}
    AppSavedGameSlot(const AppSavedGameSlot&) = delete;
    AppSavedGameSlot& operator=(const AppSavedGameSlot&) = delete;
    virtual ~AppSavedGameSlot() = default;

    // Claims and reads the first saved game there is. Nothing when there is none, or the
    // one claimed could not be read (it is then kept aside).
    std::optional<AppSavedGame> Claim();
    // The claimed game could not be resumed: it is kept aside, with the reason reported.
    void Reject(const std::string& reason);
    // The claimed game is resumed: its file goes, as the game now lives in this copy.
    void Release();
    // Writes the game in play; false, with a line reported, when it could not be written.
    bool Put(const AppSavedGame& saved);

private:
    std::string PlacePath(int place) const;
    void Say(const std::string& line) const;

    std::string folder_;
    Report report_;
    std::string claimed_;
};
