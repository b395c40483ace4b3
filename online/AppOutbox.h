// The games waiting for the board: one file per game in a folder, and when to try next.
#pragma once

#include "AppRetrySchedule.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Each game is "<id>.zingaroo" in the folder, written whole or not at all before anything is
// sent, and removed only once the board has answered it for good; a file is never changed. The
// schedule lies beside them as "retry". The id names the game in the scores (its replay id).
class AppOutbox {
public:
    explicit AppOutbox(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }

    // Letters, digits and '-' only, so an id is always a file name of this folder.
    static bool IsId(std::string_view id);

    // Writes the game's replay, creating the folder; false when it could not be kept.
    bool Put(std::string_view id, std::string_view replay) const;
    // The ids waiting, oldest first (ids begin with the game's end time).
    std::vector<std::string> Ids() const;
    std::optional<std::string> Read(std::string_view id) const;
    void Remove(std::string_view id) const;

    // A missing or damaged schedule sends at once.
    AppRetrySchedule Schedule() const;
    void SetSchedule(const AppRetrySchedule& schedule) const;
    // The first game answered for good starts the schedule afresh.
    void ClearSchedule() const;

private:
    std::string PathOf(std::string_view id) const;

    std::string folder_;
};
