// The six named play-option presets offered by the options dialog.
#include "AppPlayPresets.h"

#include "AppTranslatable.h"

#include <array>

namespace {

const std::array<AppPlayOptions, appPlayPresetCount> presets = {
    AppPlayOptions(0, 0, 0, 0, 0, 0, false),       AppPlayOptions(24, 18, 6, 6, 60, 160, true),
    AppPlayOptions(24, 18, 12, 4, 60, 120, false), AppPlayOptions(16, 16, 1, 1, 32, 240, true),
    AppPlayOptions(24, 18, 60, 0, 60, 160, true),  AppPlayOptions(24, 18, 1, 1, 432, 100, false),
};

// The names of the presets of play options listed beside "Arrange:" in the options dialog.
constexpr std::array<const char*, appPlayPresetCount> names = {
    //: Shown when the play options match no preset; agrees in gender and number with the
    //: word for preset ("Arrange:").
    AppTranslatable("AppPlayPresets", "(None)"),
    //: The preset of the usual play options; agrees with the word for preset.
    AppTranslatable("AppPlayPresets", "Default"),
    AppTranslatable("AppPlayPresets", "Original"),
    AppTranslatable("AppPlayPresets", "Practice"),
    AppTranslatable("AppPlayPresets", "Puzzling"),
    AppTranslatable("AppPlayPresets", "Steps"),
};

} // namespace

const AppPlayOptions& AppPlayPresets(int index) {
    return presets.at(static_cast<std::size_t>(index));
}

std::string_view AppPlayPresetNames(int index) {
    return names.at(static_cast<std::size_t>(index));
}

int FindPreset(const AppPlayOptions& options) {
    for (int i = 1; i < appPlayPresetCount; ++i)
        if (presets[static_cast<std::size_t>(i)] == options)
            return i;
    return 0;
}
