// One finished game as the scores file keeps it, and the one reader and writer of its line.
#include "AppScoreGame.h"

#include "AppDecimal.h"
#include "AppOptionFields.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr std::string_view versionPrefix = "zingaroo scores ";

// The line up to the next blank, taken off the front of `rest`; nothing when
// the line ends first or the field is empty.
std::optional<std::string_view> TakeField(std::string_view& rest) {
    const std::size_t blank = rest.find(' ');
    if (blank == 0 || blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = rest.substr(0, blank);
    rest.remove_prefix(blank + 1);
    return field;
}

std::optional<std::int32_t> ParseAtLeast(std::optional<std::string_view> field, std::int32_t low) {
    if (!field)
        return std::nullopt;
    const std::optional<std::int32_t> value = ParseDecimal(*field);
    if (!value || *value < low || (*field)[0] == '+')
        return std::nullopt;
    return value;
}

// "YYYY-MM-DDThh:mm:ssZ", UTC.
std::optional<std::int64_t> ParseTime(std::optional<std::string_view> field) {
    if (!field || field->size() != 20)
        return std::nullopt;
    std::tm time{};
    char zone = 0;
    const std::string text(*field);
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%n", &time.tm_year, &time.tm_mon,
                    &time.tm_mday, &time.tm_hour, &time.tm_min, &time.tm_sec, &zone, &used) != 7 ||
        used != 20 || zone != 'Z')
        return std::nullopt;
    const std::tm asRead = time;
    time.tm_year -= 1900;
    time.tm_mon -= 1;
    const std::int64_t seconds = ::timegm(&time);
    // timegm folds a 31st of February into March: such a date is no date.
    if (time.tm_year != asRead.tm_year - 1900 || time.tm_mon != asRead.tm_mon - 1 ||
        time.tm_mday != asRead.tm_mday || time.tm_hour != asRead.tm_hour ||
        time.tm_min != asRead.tm_min || time.tm_sec != asRead.tm_sec)
        return std::nullopt;
    return seconds;
}

std::string FormatTime(std::int64_t seconds) {
    const std::time_t value = static_cast<std::time_t>(seconds);
    std::tm time{};
    ::gmtime_r(&value, &time);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &time);
    return text.data();
}

// The seven play values in field order, each in its valid range.
std::optional<AppPlayOptions> ParseRules(std::optional<std::string_view> field) {
    if (!field)
        return std::nullopt;
    std::vector<std::string_view> items;
    std::string_view rest = *field;
    for (std::size_t comma; (comma = rest.find(',')) != std::string_view::npos;) {
        items.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma + 1);
    }
    items.push_back(rest);
    const auto& fields = AppOptionTable<AppPlayOptions>::fields;
    if (items.size() != fields.size())
        return std::nullopt;
    AppPlayOptions rules;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].flag) {
            if (items[i] != "0" && items[i] != "1")
                return std::nullopt;
            rules.*fields[i].flag = items[i] == "1";
            continue;
        }
        const std::optional<std::int32_t> value = ParseDecimal(items[i]);
        if (!value || *value < fields[i].low || *value > fields[i].high)
            return std::nullopt;
        rules.*fields[i].integer = *value;
    }
    return rules;
}

} // namespace

std::string AppScoreGame::VersionLine() {
    return std::string(versionPrefix) + std::to_string(formatVersion);
}

std::optional<int> AppScoreGame::ParseVersionLine(std::string_view line) {
    if (line.substr(0, versionPrefix.size()) != versionPrefix)
        return std::nullopt;
    const std::optional<std::int32_t> version = ParseAtLeast(line.substr(versionPrefix.size()), 1);
    return version ? std::optional<int>(*version) : std::nullopt;
}

std::optional<AppScoreGame> AppScoreGame::Parse(std::string_view line) {
    AppScoreGame game;
    const std::size_t tab = line.find('\t');
    if (tab != std::string_view::npos) {
        game.board = AppBoardAnswer::Parse(line.substr(tab + 1));
        if (!game.board)
            return std::nullopt;
        line = line.substr(0, tab);
    }
    std::string_view rest = line;
    const std::optional<std::int64_t> endTime = ParseTime(TakeField(rest));
    if (endTime && rest.starts_with('#')) {
        rest.remove_prefix(1);
        const std::optional<std::int32_t> number = ParseAtLeast(TakeField(rest), 1);
        if (!number)
            return std::nullopt;
        game.number = static_cast<std::uint32_t>(*number);
    }
    const std::optional<AppPlayOptions> rules =
        endTime ? ParseRules(TakeField(rest)) : std::nullopt;
    const std::optional<std::int32_t> score =
        rules ? ParseAtLeast(TakeField(rest), 0) : std::nullopt;
    const std::optional<std::int32_t> phase =
        score ? ParseAtLeast(TakeField(rest), 1) : std::nullopt;
    const std::optional<std::int32_t> length =
        phase ? ParseAtLeast(TakeField(rest), 0) : std::nullopt;
    if (!length)
        return std::nullopt;
    game.endTime = *endTime;
    game.rules = *rules;
    game.score = *score;
    game.phase = *phase;
    game.lengthSeconds = *length;
    game.name = CleanName(rest);
    return game;
}

std::string AppScoreGame::Format() const {
    // The last second a time field can hold: 9999-12-31T23:59:59Z.
    constexpr std::int64_t lastTime = 253'402'300'799;
    const std::string numbered = number == 0 ? "" : " #" + std::to_string(number);
    return FormatTime(std::clamp<std::int64_t>(endTime, 0, lastTime)) + numbered + ' ' +
           OptionList(ClampOptions(rules)) + ' ' + std::to_string(std::max(score, 0)) + ' ' +
           std::to_string(std::max(phase, 1)) + ' ' + std::to_string(std::max(lengthSeconds, 0)) +
           ' ' + CleanName(name) + (board ? '\t' + board->Format() : std::string());
}

std::string AppScoreGame::ReplayId() const {
    if (number == 0)
        return {};
    std::string time = FormatTime(endTime);
    std::erase_if(time, [](char c) { return c == '-' || c == ':'; });
    return time + '-' + std::to_string(number);
}

std::string AppScoreGame::SharedFileName() const {
    return "zingaroo-" + FormatTime(endTime).substr(0, 10) + '-' + std::to_string(number) + '-' +
           std::to_string(score) + ".zingaroo";
}

std::string AppScoreGame::CleanName(std::string_view name) {
    std::string clean(name);
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    const std::size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
    // A character starts at every byte but a UTF-8 continuation byte.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if ((static_cast<unsigned char>(clean[i]) & 0xC0) != 0x80 && ++characters > maxNameLength) {
            clean.resize(i);
            return clean.substr(0, clean.find_last_not_of(' ') + 1);
        }
    }
    return clean;
}
