// The player's key on the board: 128 random bits, made once, kept in the data folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The key is 32 lowercase hexadecimal digits in a file of its own; it is never shown and never
// written to the settings. A damaged file is no key.
class AppPlayerKey {
public:
    explicit AppPlayerKey(std::string path) : path_(std::move(path)) {}

    std::optional<std::string> Read() const;
    // The key, made and written first when there is none; nothing when it cannot be kept.
    std::optional<std::string> Make() const;

    static bool IsKey(std::string_view text);

private:
    std::string path_;
};
