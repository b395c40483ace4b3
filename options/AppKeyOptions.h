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
    // A key with work of its own, which no position may take: its X keycode on a US keyboard
    // and the name the key bears there, as Qt's portable key names spell it.
    struct Reserved {
        std::uint32_t code;
        std::string_view name;
    };
    // The menus' shortcuts, P and Pause, Escape, the replay's speeds and the keyboard cursor's
    // keys. The settings file's item refuses their codes; the Keys page refuses a key pressed
    // in one of their places or typing one of them.
    static constexpr std::array<Reserved, 19> reservedKeys = {{
        {67, "F1"},    {68, "F2"},    {70, "F4"},     {71, "F5"},     {72, "F6"},
        {95, "F11"},   {33, "P"},     {127, "Pause"}, {9, "Esc"},     {10, "1"},
        {11, "2"},     {13, "4"},     {113, "Left"},  {114, "Right"}, {111, "Up"},
        {116, "Down"}, {65, "Space"}, {36, "Return"}, {104, "Enter"},
    }};
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
    // Whether a key is one of reservedKeys, by its code, or by its name when it has one.
    static bool IsReserved(std::uint32_t code, std::string_view name = {});
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
