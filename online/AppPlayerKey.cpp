// The player's key on the board: 128 random bits, made once, kept in the data folder.
#include "AppPlayerKey.h"

#include "AppDurableFile.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

bool AppPlayerKey::IsKey(std::string_view text) {
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::optional<std::string> AppPlayerKey::Read() const {
    std::string text;
    AppDurableFile(path_).Read(text);
    if (text.ends_with('\n'))
        text.pop_back();
    return IsKey(text) ? std::optional(text) : std::nullopt;
}

std::optional<std::string> AppPlayerKey::Make() const {
    if (std::optional<std::string> key = Read())
        return key;
    // The system's entropy source: std::random_device reads it on this platform.
    std::random_device source;
    constexpr char digits[] = "0123456789abcdef";
    std::string key;
    for (int word = 0; word < 4; ++word) {
        const std::uint32_t bits = source();
        for (int shift = 28; shift >= 0; shift -= 4)
            key += digits[(bits >> shift) & 0xF];
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    if (!AppDurableFile(path_).Replace(key + '\n'))
        return std::nullopt;
    return key;
}
