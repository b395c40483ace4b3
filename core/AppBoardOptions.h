// The board the day's games go to: its address, the name shown on it, and whether to send.
#pragma once

#include <string>
#include <string_view>

class AppBoardOptions {
public:
    AppBoardOptions() = default;
    AppBoardOptions(const AppBoardOptions&) = default;
    AppBoardOptions& operator=(const AppBoardOptions&) = default;
    virtual ~AppBoardOptions() = default;

    // Empty: no board, so nothing is ever sent or fetched.
    std::string Address;
    // Empty: the account's name is shown.
    std::string Name;
    bool Send = false;

    static constexpr std::size_t maxNameLength = 24;

    // Empty, or http:// or https:// followed by a host.
    static bool AcceptsAddress(std::string_view address);
    // Empty, or 1 to maxNameLength characters of UTF-8 without control characters and
    // without blanks around them.
    static bool AcceptsName(std::string_view name);
    // Sending happens only to a board that has an address.
    bool Sending() const { return Send && !Address.empty(); }
};
