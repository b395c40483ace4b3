// The size of one cell on screen, in pixels.
#pragma once

#include <cstdint>

class AppViewOptions {
public:
    AppViewOptions() = default;
    AppViewOptions(std::int32_t charWidth, std::int32_t charHeight)
        : CharWidth(charWidth), CharHeight(charHeight) {}
    AppViewOptions(const AppViewOptions&) = default;
    AppViewOptions& operator=(const AppViewOptions&) = default;
    virtual ~AppViewOptions() = default;

    friend bool operator==(const AppViewOptions&, const AppViewOptions&) = default;

    std::int32_t CharWidth = 18;
    std::int32_t CharHeight = 18;
};
