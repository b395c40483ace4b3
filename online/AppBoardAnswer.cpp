// What the board answered to one of the player's games, as the scores file keeps it.
#include "AppBoardAnswer.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view sentWord = "sent ";
constexpr std::string_view refusedWord = "refused ";

bool Digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::int64_t> Number(std::string_view text) {
    std::int64_t value = 0;
    if (!Digits(text) || text.size() > 10 ||
        std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace

bool AppBoardAnswer::IsDay(std::string_view day) {
    return day.size() == 10 && Digits(day.substr(0, 4)) && day[4] == '-' &&
           Digits(day.substr(5, 2)) && day[7] == '-' && Digits(day.substr(8, 2));
}

bool AppBoardAnswer::IsId(std::string_view id) {
    return !id.empty() && id.size() <= maxId && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '-' || c == '_';
    });
}

std::optional<AppBoardAnswer> AppBoardAnswer::Sent(std::string_view day, std::int64_t rank,
                                                   std::int64_t of, std::string_view id) {
    constexpr std::int64_t most = 2'000'000'000;
    if (!IsDay(day) || !IsId(id) || rank < 1 || of < rank || of > most)
        return std::nullopt;
    AppBoardAnswer answer;
    answer.day = day;
    answer.rank = static_cast<std::int32_t>(rank);
    answer.of = static_cast<std::int32_t>(of);
    answer.id = id;
    return answer;
}

AppBoardAnswer AppBoardAnswer::Refused(std::string_view reason) {
    AppBoardAnswer answer;
    answer.kind = Kind::refused;
    std::string line(reason.substr(0, maxReason));
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    // Cut at a character's start, so the line stays UTF-8.
    if (reason.size() > maxReason)
        while (!line.empty() && (static_cast<unsigned char>(reason[line.size()]) & 0xC0) == 0x80)
            line.pop_back();
    const std::size_t first = line.find_first_not_of(' ');
    answer.reason = first == std::string::npos
                        ? std::string("refused")
                        : line.substr(first, line.find_last_not_of(' ') - first + 1);
    return answer;
}

std::string AppBoardAnswer::Format() const {
    if (kind == Kind::refused)
        return std::string(refusedWord) + reason;
    return std::string(sentWord) + day + ' ' + std::to_string(rank) + ' ' + std::to_string(of) +
           ' ' + id;
}

std::optional<AppBoardAnswer> AppBoardAnswer::Parse(std::string_view text) {
    if (text.starts_with(refusedWord)) {
        AppBoardAnswer answer = Refused(text.substr(refusedWord.size()));
        return answer.reason == text.substr(refusedWord.size()) ? std::optional(answer)
                                                                : std::nullopt;
    }
    if (!text.starts_with(sentWord))
        return std::nullopt;
    text.remove_prefix(sentWord.size());
    std::string_view fields[4];
    for (int i = 0; i < 4; ++i) {
        const std::size_t blank = i < 3 ? text.find(' ') : text.size();
        if (blank == std::string_view::npos)
            return std::nullopt;
        fields[i] = text.substr(0, blank);
        text.remove_prefix(std::min(text.size(), blank + 1));
    }
    const std::optional<std::int64_t> rank = Number(fields[1]);
    const std::optional<std::int64_t> of = Number(fields[2]);
    if (!rank || !of)
        return std::nullopt;
    return Sent(fields[0], *rank, *of, fields[3]);
}
