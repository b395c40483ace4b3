// Marks an English text that the window shows in the player's language.
#pragma once

// Returns text unchanged. The translation tools collect every text marked with it under the
// context named here, and the window looks the text up under the same context when it shows
// it, so the English source is written once, where it is used.
constexpr const char* AppTranslatable(const char* context, const char* text) {
    static_cast<void>(context);
    return text;
}
