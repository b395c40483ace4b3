// What the board answered to one of the player's games, as the scores file keeps it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Written after a game's line as "sent DAY RANK OF ID" or "refused REASON". Only what the
// board's answer can be shown as is kept: a day of the form YYYY-MM-DD, a rank from 1 to `of`,
// an id of letters, digits, '-' and '_', a reason on one line of at most maxReason bytes.
struct AppBoardAnswer {
    enum class Kind { sent, refused };

    friend bool operator==(const AppBoardAnswer&, const AppBoardAnswer&) = default;

    static constexpr std::size_t maxId = 64;
    static constexpr std::size_t maxReason = 200;

    Kind kind = Kind::sent;
    std::string day;
    std::int32_t rank = 0;
    std::int32_t of = 0;
    std::string id;
    std::string reason;

    // A sent answer, or nothing when one of its fields is not one to keep.
    static std::optional<AppBoardAnswer> Sent(std::string_view day, std::int64_t rank,
                                              std::int64_t of, std::string_view id);
    // A refusal; the reason is made one line and cut to maxReason bytes (UTF-8 kept whole).
    static AppBoardAnswer Refused(std::string_view reason);

    std::string Format() const;
    static std::optional<AppBoardAnswer> Parse(std::string_view text);

    static bool IsDay(std::string_view day);
    static bool IsId(std::string_view id);
};
