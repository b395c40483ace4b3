// The scores file's games in memory: a table per set of rules with its top ten and history.
#include "AppScoreBook.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace {

auto RulesKey(const AppPlayOptions& rules) {
    return std::make_tuple(rules.Width, rules.Height, rules.PaddleFirst, rules.PaddlePlus,
                           rules.PaddleMax, rules.Speed, rules.UseSweeper);
}

} // namespace

AppScoreBook AppScoreBook::FromText(std::string_view text) {
    AppScoreBook book;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // Two copies that created the file at once may each have written a
        // version line; only the first one counts.
        if (const std::optional<int> version = AppScoreGame::ParseVersionLine(line)) {
            if (first)
                book.version_ = *version;
            first = false;
            continue;
        }
        first = false;
        if (line.empty())
            continue;
        if (std::optional<AppScoreGame> game = AppScoreGame::Parse(line)) {
            book.lines_.push_back({std::move(game), {}});
            ++book.gameCount_;
        } else {
            book.lines_.push_back({std::nullopt, std::string(line)});
        }
    }
    return book;
}

std::string AppScoreBook::Text() const {
    std::string text = AppScoreGame::VersionLine() + '\n';
    for (const Line& line : lines_)
        text.append(line.game ? line.game->Format() : line.text).append("\n");
    return text;
}

void AppScoreBook::Add(const AppScoreGame& game) {
    lines_.push_back({game, {}});
    ++gameCount_;
}

std::vector<AppPlayOptions> AppScoreBook::Tables() const {
    std::vector<AppPlayOptions> tables;
    std::set<decltype(RulesKey(AppPlayOptions()))> seen;
    for (const Line& line : lines_)
        if (line.game && seen.insert(RulesKey(line.game->rules)).second)
            tables.push_back(line.game->rules);
    return tables;
}

bool AppScoreBook::Better(std::size_t a, std::size_t b) const {
    // Higher score, then higher phase, then the game that ended first, then
    // the one written first.
    const AppScoreGame& x = *lines_[a].game;
    const AppScoreGame& y = *lines_[b].game;
    return std::make_tuple(-std::int64_t{x.score}, -std::int64_t{x.phase}, x.endTime, a) <
           std::make_tuple(-std::int64_t{y.score}, -std::int64_t{y.phase}, y.endTime, b);
}

void AppScoreBook::KeepBest(std::vector<std::size_t>& entries, std::size_t limit) const {
    const std::size_t kept = std::min(limit, entries.size());
    std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(kept),
                      entries.end(), [this](std::size_t a, std::size_t b) { return Better(a, b); });
    entries.resize(kept);
}

std::vector<std::size_t> AppScoreBook::Ranked(const AppPlayOptions& rules,
                                              std::size_t limit) const {
    std::vector<std::size_t> entries;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].game && lines_[i].game->score > 0 && lines_[i].game->rules == rules)
            entries.push_back(i);
    KeepBest(entries, limit);
    return entries;
}

std::vector<AppScoreGame> AppScoreBook::TopTen(const AppPlayOptions& rules) const {
    std::vector<AppScoreGame> games;
    for (std::size_t index : Ranked(rules, tableSize))
        games.push_back(*lines_[index].game);
    return games;
}

int AppScoreBook::RankOf(const AppScoreGame& game) const {
    const std::vector<AppScoreGame> table = TopTen(game.rules);
    const auto found = std::find(table.begin(), table.end(), game);
    return found == table.end() ? 0 : static_cast<int>(found - table.begin()) + 1;
}

AppScoreHistory AppScoreBook::History(const AppPlayOptions& rules) const {
    AppScoreHistory history;
    std::int64_t scoreSum = 0;
    for (const Line& line : lines_) {
        if (!line.game || line.game->rules != rules)
            continue;
        const AppScoreGame& game = *line.game;
        ++history.games;
        history.totalSeconds += game.lengthSeconds;
        scoreSum += game.score;
        history.bestScore = std::max(history.bestScore, game.score);
        history.bestPhase = std::max(history.bestPhase, game.phase);
        history.recentScores.push_back(game.score);
        history.lastGame = game;
    }
    if (history.games > 0)
        history.averageScore = static_cast<double>(scoreSum) / static_cast<double>(history.games);
    std::vector<std::int32_t>& recent = history.recentScores;
    if (recent.size() > recentGames)
        recent.erase(recent.begin(), recent.end() - static_cast<std::ptrdiff_t>(recentGames));
    const std::vector<std::size_t> table = Ranked(rules, tableSize);
    if (table.size() == tableSize)
        history.tenthScore = lines_[table.back()].game->score;
    return history;
}

std::vector<AppScoreGame> AppScoreBook::Games(const AppPlayOptions& rules) const {
    std::vector<AppScoreGame> games;
    for (const Line& line : lines_)
        if (line.game && line.game->rules == rules)
            games.push_back(*line.game);
    return games;
}

std::optional<AppScoreGame> AppScoreBook::LastGame() const {
    for (auto line = lines_.rbegin(); line != lines_.rend(); ++line)
        if (line->game)
            return line->game;
    return std::nullopt;
}

std::string AppScoreBook::LastName() const {
    for (auto line = lines_.rbegin(); line != lines_.rend(); ++line)
        if (line->game && !line->game->name.empty())
            return line->game->name;
    return {};
}

std::size_t AppScoreBook::Clear(const AppPlayOptions& rules) {
    const std::size_t before = lines_.size();
    std::erase_if(lines_, [&](const Line& line) { return line.game && line.game->rules == rules; });
    const std::size_t removed = before - lines_.size();
    gameCount_ -= removed;
    return removed;
}

bool AppScoreBook::Rename(const AppScoreGame& game, std::string_view name) {
    for (Line& line : lines_) {
        if (line.game && *line.game == game) {
            line.game->name = AppScoreGame::CleanName(name);
            return true;
        }
    }
    return false;
}

bool AppScoreBook::SetBoardAnswer(std::string_view replayId, const AppBoardAnswer& answer) {
    for (Line& line : lines_) {
        if (line.game && line.game->ReplayId() == replayId) {
            line.game->board = answer;
            return true;
        }
    }
    return false;
}

void AppScoreBook::Bound(std::size_t maxBytes) {
    std::vector<std::size_t> sizes;
    sizes.reserve(lines_.size());
    std::size_t bytes = AppScoreGame::VersionLine().size() + 1;
    for (const Line& line : lines_)
        bytes += sizes.emplace_back((line.game ? line.game->Format() : line.text).size() + 1);
    if (gameCount_ <= gameBound && bytes <= maxBytes)
        return;
    std::map<decltype(RulesKey(AppPlayOptions())), std::vector<std::size_t>> tables;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].game && lines_[i].game->score > 0)
            tables[RulesKey(lines_[i].game->rules)].push_back(i);
    std::vector<bool> inTable(lines_.size(), false);
    for (auto& [rules, entries] : tables) {
        KeepBest(entries, tableSize);
        for (std::size_t index : entries)
            inTable[index] = true;
    }
    std::vector<bool> dropped(lines_.size(), false);
    const auto drop = [&](bool games) {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const bool over = bytes > maxBytes || (games && gameCount_ > gameBound);
            if (!over)
                return;
            if (inTable[i] || dropped[i] || bool(lines_[i].game) != games)
                continue;
            dropped[i] = true;
            bytes -= sizes[i];
            gameCount_ -= games ? 1 : 0;
        }
    };
    drop(true);
    drop(false);
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (!dropped[i])
            kept.push_back(std::move(lines_[i]));
    lines_ = std::move(kept);
}

std::string AppScoreBook::Edit(const AppScoreBook& before, const AppScoreBook& after) {
    std::map<std::string, std::size_t> unmatched;
    for (const Line& line : before.lines_)
        if (line.game)
            ++unmatched[line.game->Format()];
    std::string added;
    for (const Line& line : after.lines_) {
        if (!line.game)
            continue;
        std::string text = line.game->Format();
        if (std::size_t& count = unmatched[text]; count > 0)
            --count;
        else
            added.append("+").append(text).append("\n");
    }
    std::string edit = AppScoreGame::VersionLine() + '\n';
    for (const Line& line : before.lines_) {
        if (!line.game)
            continue;
        std::string text = line.game->Format();
        if (std::size_t& count = unmatched[text]; count > 0) {
            --count;
            edit.append("-").append(text).append("\n");
        }
    }
    return edit + added;
}

std::string AppScoreBook::JoinEdits(const std::string& first, const std::string& second) {
    std::vector<std::string_view> removed;
    std::vector<std::string_view> added;
    for (const std::string* edit : {&first, &second}) {
        std::string_view rest = *edit;
        rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
        while (!rest.empty()) {
            const std::string_view line = rest.substr(0, rest.find('\n'));
            rest.remove_prefix(std::min(rest.size(), line.size() + 1));
            const std::string_view game = line.substr(std::min<std::size_t>(line.size(), 1));
            const auto firstAdded = std::find(added.begin(), added.end(), game);
            if (line.starts_with('+'))
                added.push_back(game);
            else if (edit == &second && firstAdded != added.end())
                added.erase(firstAdded);
            else
                removed.push_back(game);
        }
    }
    std::string joined = AppScoreGame::VersionLine() + '\n';
    for (const std::string_view game : removed)
        joined.append("-").append(game).append("\n");
    for (const std::string_view game : added)
        joined.append("+").append(game).append("\n");
    return joined;
}

bool AppScoreBook::Apply(std::string_view edit) {
    std::map<std::string, std::size_t> removed;
    std::vector<AppScoreGame> added;
    bool first = true;
    while (!edit.empty()) {
        const std::size_t end = edit.find('\n');
        const std::string_view line = edit.substr(0, end);
        edit.remove_prefix(end == std::string_view::npos ? edit.size() : end + 1);
        if (std::exchange(first, false)) {
            if (AppScoreGame::ParseVersionLine(line).value_or(AppScoreGame::formatVersion + 1) >
                AppScoreGame::formatVersion)
                return false;
            continue;
        }
        std::optional<AppScoreGame> game =
            line.empty() ? std::nullopt : AppScoreGame::Parse(line.substr(1));
        if (!game || (line[0] != '+' && line[0] != '-'))
            return false;
        if (line[0] == '-')
            ++removed[game->Format()];
        else
            added.push_back(std::move(*game));
    }
    std::map<std::string, std::size_t> held;
    std::erase_if(lines_, [&](const Line& line) {
        if (!line.game)
            return false;
        std::string text = line.game->Format();
        if (std::size_t& count = removed[text]; count > 0) {
            --count;
            --gameCount_;
            return true;
        }
        ++held[std::move(text)];
        return false;
    });
    std::map<std::string, std::size_t> seen;
    for (const AppScoreGame& game : added) {
        const std::string text = game.Format();
        if (held[text] < ++seen[text]) {
            ++held[text];
            Add(game);
        }
    }
    return true;
}
