// The replays kept beside the scores: one file per game in a top ten, and the last game's.
#include "AppReplayShelf.h"

#include "AppDurableFile.h"

#include <filesystem>
#include <set>

namespace {

constexpr std::string_view extension = ".replay";

} // namespace

std::string AppReplayShelf::PathOf(const AppScoreGame& game) const {
    const std::string id = game.ReplayId();
    return id.empty() ? std::string() : folder_ + '/' + id + std::string(extension);
}

bool AppReplayShelf::Put(const AppScoreGame& game, const std::string& text) const {
    const std::string path = PathOf(game);
    if (path.empty())
        return false;
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    return AppDurableFile(path).Replace(text);
}

std::optional<std::string> AppReplayShelf::Get(const AppScoreGame& game) const {
    const std::string path = PathOf(game);
    std::string text;
    if (path.empty() || AppDurableFile(path).Read(text) != AppDurableFile::ReadResult::Read)
        return std::nullopt;
    return text;
}

void AppReplayShelf::Prune(const AppScoreBook& book) const {
    std::set<std::string> kept;
    for (const AppPlayOptions& rules : book.Tables())
        for (const AppScoreGame& game : book.TopTen(rules))
            kept.insert(game.ReplayId() + std::string(extension));
    if (const std::optional<AppScoreGame> last = book.LastGame())
        kept.insert(last->ReplayId() + std::string(extension));
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(extension) && !kept.contains(name))
            std::filesystem::remove(entry.path(), error);
    }
}
