// The number that deals a game: fresh from the clock, the day's, typed or pasted in by the player.
#include "AppGameNumber.h"

#include "AppGameFile.h"

#include "AppOptionFields.h"
#include "AppPlayPresets.h"

#include <charconv>

namespace {

// The splitmix64 finaliser: every bit of the input moves about half the bits.
std::uint64_t Scrambled(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t InRange(std::uint64_t z) {
    return AppGameNumber::low +
           static_cast<std::uint32_t>(z % (AppGameNumber::high - AppGameNumber::low + 1));
}

constexpr std::string_view shareLead = "zingaroo game ";
constexpr std::string_view optionsLead = " (options ";

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without the blanks and line ends around it.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StartsWithAnyCase(std::string_view text, std::string_view lead) {
    if (text.size() < lead.size())
        return false;
    for (std::size_t i = 0; i < lead.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lead[i])
            return false;
    }
    return true;
}

} // namespace

std::uint32_t AppGameNumber::FromClock() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return InRange(Scrambled(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count())));
}

std::optional<std::uint32_t> AppGameNumber::Parse(std::string_view typed) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!typed.empty() && blank(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && blank(typed.back()))
        typed.remove_suffix(1);
    // Ten digits at most keeps the reading clear of overflow.
    if (typed.empty() || typed.size() > 10 || typed.front() < '0' || typed.front() > '9')
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (error != std::errc() || end != typed.data() + typed.size() || value < low || value > high)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::uint32_t AppGameNumber::ForDay(std::chrono::sys_days day) {
    // A date before 1970 counts back from 2^64, as two's complement has it.
    return InRange(Scrambled(static_cast<std::uint64_t>(day.time_since_epoch().count())));
}

std::uint32_t AppGameNumber::Today() {
    return ForDay(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

const AppPlayOptions& AppGameNumber::DayOptions() {
    return AppPlayPresets(1);
}

std::optional<std::chrono::sys_days> AppGameNumber::DayOf(std::uint32_t number,
                                                          const AppPlayOptions& options,
                                                          std::chrono::sys_seconds around) {
    if (options != DayOptions())
        return std::nullopt;
    const std::chrono::sys_days day = std::chrono::floor<std::chrono::days>(around);
    for (const std::chrono::sys_days candidate : {day, day - std::chrono::days(1)})
        if (ForDay(candidate) == number)
            return candidate;
    return std::nullopt;
}

std::string AppGameNumber::ShareText(std::uint32_t number, const AppPlayOptions& options) {
    return "Zingaroo game " + std::to_string(number) + std::string(optionsLead) +
           OptionList(options) + ")";
}

std::optional<AppSharedGame> AppGameNumber::ParseShared(std::string_view text) {
    text = Trimmed(text);
    if (!StartsWithAnyCase(text, shareLead)) {
        const std::optional<std::uint32_t> number = Parse(text);
        return number ? std::optional<AppSharedGame>({*number, std::nullopt}) : std::nullopt;
    }
    text.remove_prefix(shareLead.size());
    const std::size_t optionsAt = text.find(optionsLead);
    AppSharedGame shared;
    if (optionsAt != std::string_view::npos) {
        std::string_view list = text.substr(optionsAt + optionsLead.size());
        if (!list.ends_with(')'))
            return std::nullopt;
        list.remove_suffix(1);
        if (!(shared.options = AppGameFile::ReadOptions(list)))
            return std::nullopt;
        text = text.substr(0, optionsAt);
    }
    // The number as written: digits only, no blank before the options.
    if (text.empty() || Blank(text.front()) || Blank(text.back()))
        return std::nullopt;
    const std::optional<std::uint32_t> number = Parse(text);
    if (!number)
        return std::nullopt;
    shared.number = *number;
    return shared;
}
