// The replays kept beside the scores: one file per game in a top ten, and the last game's.
#include "AppReplayShelf.h"

#include "AppDurableFile.h"

#include <filesystem>
#include <set>
#include <vector>

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
    if (path.empty())
        return std::nullopt;
    switch (AppDurableFile(path).Read(text)) {
    case AppDurableFile::ReadResult::Missing:
        return std::nullopt;
    case AppDurableFile::ReadResult::NotReadWhole:
        return std::string();
    case AppDurableFile::ReadResult::Read:
        break;
    }
    return text;
}

void AppReplayShelf::Prune(const AppScoreBook& book) const {
    Prune([&book] { return book; });
}

void AppReplayShelf::Prune(const std::function<AppScoreBook()>& read) const {
    std::vector<std::filesystem::path> shelved;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
        if (entry.path().filename().string().ends_with(extension))
            shelved.push_back(entry.path());
    if (shelved.empty())
        return;
    const AppScoreBook book = read();
    std::set<std::string> kept;
    for (const AppPlayOptions& rules : book.Tables())
        for (const AppScoreGame& game : book.TopTen(rules))
            kept.insert(game.ReplayId() + std::string(extension));
    if (const std::optional<AppScoreGame> last = book.LastGame())
        kept.insert(last->ReplayId() + std::string(extension));
    for (const std::filesystem::path& path : shelved)
        if (!kept.contains(path.filename().string()))
            std::filesystem::remove(path, error);
}
