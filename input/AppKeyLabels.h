// What the player's keyboard layout types on a key, for naming the game's keys.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

struct xkb_context;
struct xkb_keymap;

class AppKeyLabels {
public:
    // The keyboard map the X server uses, in the layout group active now; elsewhere (Wayland,
    // other platforms) the one the environment names (XKB_DEFAULT_LAYOUT and its kin), which
    // is the US layout when nothing is named.
    static std::function<QString(std::uint32_t code)> FromPlatform();
    // The map of a layout and its variant as xkeyboard-config names them ("fr", "us" "dvorak").
    AppKeyLabels(const char* layout, const char* variant);
    ~AppKeyLabels();
    AppKeyLabels(const AppKeyLabels&) = delete;
    AppKeyLabels& operator=(const AppKeyLabels&) = delete;

    // The upper-case character the key of an X keycode types without modifiers ("Z" for the W
    // place on a French layout), the name of its key symbol when it types none ("Tab"); with no
    // keyboard map at all, the US letter of the game's default places, else the code.
    QString Label(std::uint32_t code) const;

private:
    AppKeyLabels() = default;
    void ReadServerMap();
    void ReadNamedMap(const char* layout, const char* variant);

    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    std::uint32_t group_ = 0;
};
