// Reads a signed decimal integer, the one notation the settings file and the options dialog use.
#include "AppDecimal.h"

#include <charconv>

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    // from_chars takes a minus sign but no plus sign.
    if (text.size() >= 2 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    const char* end = text.data() + text.size();
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}
