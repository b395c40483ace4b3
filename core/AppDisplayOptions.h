// How the picture is shown: its zoom, full screen, its look and the line under it; never a rule
// of the game.
#pragma once

#include <cstdint>

class AppDisplayOptions {
public:
    // The looks the player can choose, in the order the options dialog lists them.
    static constexpr std::int32_t lookClassic = 0;
    static constexpr std::int32_t lookDark = 1;
    static constexpr std::int32_t lookHighContrast = 2;
    // Dark when the desktop's windows are dark, else Classic.
    static constexpr std::int32_t lookAutomatic = 3;

    AppDisplayOptions() = default;
    AppDisplayOptions(const AppDisplayOptions&) = default;
    AppDisplayOptions& operator=(const AppDisplayOptions&) = default;
    virtual ~AppDisplayOptions() = default;

    friend bool operator==(const AppDisplayOptions&, const AppDisplayOptions&) = default;

    // The zoom that suits the window's screen, worked out anew on each screen.
    static constexpr std::int32_t zoomAutomatic = 0;
    static constexpr std::int32_t zoomMost = 4;

    // Each pixel of the picture is shown as a Zoom by Zoom block, or zoomAutomatic.
    std::int32_t Zoom = zoomAutomatic;
    bool FullScreen = false;
    std::int32_t Look = lookClassic;
    // A line under the field says what to do next and the score, outside the picture.
    bool ScoreLine = true;
};
