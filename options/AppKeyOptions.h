// The keys of sets 1 and 2, each kept as its physical code so it stays in its place on any layout.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class AppKeyOptions {
public:
    // Four positions (slash, back, back or shove left, slash or shove right) of set 1, then of
    // set 2.
    static constexpr int count = 8;
    // X keycodes (evdev codes + 8) of W R S F and U O J L on a US keyboard.
    static constexpr std::array<std::uint32_t, count> defaultCodes = {25, 27, 39, 41,
                                                                      30, 32, 44, 46};
    // X keycodes of keys that stay in their place on every layout and have other work: Escape,
    // Return, Space, F1 F2 F4 F5 F6 F11, the keypad's Enter, the arrows and Pause.
    static constexpr std::array<std::uint32_t, 15> reservedCodes = {
        9, 36, 65, 67, 68, 70, 71, 72, 95, 104, 111, 113, 114, 116, 127};
    // The range of X keycodes.
    static constexpr std::uint32_t lowestCode = 8;
    static constexpr std::uint32_t highestCode = 255;

    AppKeyOptions() = default;
    AppKeyOptions(const AppKeyOptions&) = default;
    AppKeyOptions& operator=(const AppKeyOptions&) = default;
    virtual ~AppKeyOptions() = default;

    friend bool operator==(const AppKeyOptions&, const AppKeyOptions&) = default;

    // The slot other than `slot` whose key has `code`, or -1.
    int OtherSlotOf(std::uint32_t code, int slot) const;
    static bool Reserved(std::uint32_t code);
    // The US letter of a default place ("W"), empty for another code.
    static std::string_view UsLetter(std::uint32_t code);

    // The settings file's item: the eight codes in slot order, in decimal, comma separated.
    std::string Item() const;
    // The codes of such an item; the defaults when it is missing, has not exactly eight
    // codes, a code that is no number, lies outside the range or is reserved, or one code
    // twice.
    static AppKeyOptions FromItem(std::string_view item);

    std::array<std::uint32_t, count> Codes = defaultCodes;
};
