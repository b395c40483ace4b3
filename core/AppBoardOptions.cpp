// The board the day's games go to: its address, the name shown on it, and whether to send.
#include "AppBoardOptions.h"

#include <algorithm>

bool AppBoardOptions::AcceptsAddress(std::string_view address) {
    if (address.empty())
        return true;
    for (const std::string_view scheme : {"http://", "https://"}) {
        if (!address.starts_with(scheme))
            continue;
        const std::string_view rest = address.substr(scheme.size());
        const bool printable = std::all_of(rest.begin(), rest.end(), [](char c) {
            return static_cast<unsigned char>(c) > 0x20 && c != 0x7f;
        });
        return !rest.empty() && rest.front() != '/' && printable;
    }
    return false;
}

bool AppBoardOptions::AcceptsName(std::string_view name) {
    if (name.empty())
        return true;
    if (name.front() == ' ' || name.back() == ' ')
        return false;
    std::size_t characters = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            return false;
        characters += (byte & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters <= maxNameLength;
}
