// The six named play-option presets offered by the options dialog.
#pragma once

#include "AppPlayOptions.h"

#include <string_view>

inline constexpr int appPlayPresetCount = 6;

// Entry 0, "(None)", stands for no preset: it is never applied or matched.
const AppPlayOptions& AppPlayPresets(int index);
// The English name, marked for translation under the context "AppPlayPresets"; it views a
// whole string literal, so its data() ends in a null.
std::string_view AppPlayPresetNames(int index);

// The first of entries 1 to 5 equal to options, or 0 when none is.
int FindPreset(const AppPlayOptions& options);
