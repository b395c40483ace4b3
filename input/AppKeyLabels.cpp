// What the player's keyboard layout types on a key, for naming the game's keys.
#include "AppKeyLabels.h"

#include "AppKeyOptions.h"

#include <QGuiApplication>

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <array>

std::function<QString(std::uint32_t code)> AppKeyLabels::FromPlatform() {
    std::shared_ptr<AppKeyLabels> labels(new AppKeyLabels);
    labels->context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        labels->ReadServerMap();
    else if (platform.startsWith(QLatin1String("wayland")))
        labels->ReadNamedMap(nullptr, nullptr);
    // Where the server's map cannot be read either, the environment's stands in.
    if (!labels->keymap_ && platform == QLatin1String("xcb"))
        labels->ReadNamedMap(nullptr, nullptr);
    // Offscreen and unknown platforms, whose keys are no real keyboard's, name the US keys.
    if (!labels->keymap_)
        labels->ReadNamedMap("us", "");
    return [labels](std::uint32_t code) { return labels->Label(code); };
}

AppKeyLabels::AppKeyLabels(const char* layout, const char* variant)
    : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
    ReadNamedMap(layout, variant);
}

AppKeyLabels::~AppKeyLabels() {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

void AppKeyLabels::ReadServerMap() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!context_ || !connection ||
        !xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return;
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0)
        return;
    keymap_ =
        xkb_x11_keymap_new_from_device(context_, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap_)
        return;
    // The group the player has switched to (the second of "us,ru", say).
    if (xkb_state* state = xkb_x11_state_new_from_device(keymap_, connection, device)) {
        group_ = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
        xkb_state_unref(state);
    }
}

void AppKeyLabels::ReadNamedMap(const char* layout, const char* variant) {
    if (!context_)
        return;
    // Names left out come from the environment, then from the library's defaults.
    const xkb_rule_names names = {nullptr, nullptr, layout, variant, nullptr};
    keymap_ = xkb_keymap_new_from_names(context_, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    group_ = 0;
}

QString AppKeyLabels::Label(std::uint32_t code) const {
    const xkb_keysym_t* symbols = nullptr;
    if (!keymap_ || xkb_keymap_key_get_syms_by_level(keymap_, code, group_, 0, &symbols) < 1) {
        const std::string_view letter = AppKeyOptions::UsLetter(code);
        return letter.empty() ? QString::number(code)
                              : QString::fromLatin1(letter.data(), qsizetype(letter.size()));
    }
    const char32_t character = xkb_keysym_to_utf32(symbols[0]);
    if (character > U' ' && character != 0x7f)
        return QString::fromUcs4(&character, 1).toUpper();
    std::array<char, 64> name = {};
    xkb_keysym_get_name(symbols[0], name.data(), name.size());
    return QString::fromLatin1(name.data());
}
