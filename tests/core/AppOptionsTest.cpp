// Option records, the preset table and the bounding of values to their ranges.
#include "AppOptionFields.h"
#include "AppPlayPresets.h"
#include "AppSystemOptions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(AppOptions, DefaultPlayOptionsArePresetDefault) {
    const AppPlayOptions options;
    EXPECT_EQ(options, AppPlayOptions(24, 18, 6, 6, 60, 160, true));
    EXPECT_EQ(options, AppPlayPresets(1));
    EXPECT_EQ(FindPreset(options), 1);
    EXPECT_EQ(AppPlayPresetNames(1), "Default");
}

TEST(AppOptions, DefaultViewAndSystemOptions) {
    EXPECT_EQ(AppViewOptions(), AppViewOptions(18, 18));
    const AppSystemOptions system;
    EXPECT_TRUE(system.PlaySound);
    EXPECT_FALSE(system.ClearRecordNow);
    EXPECT_FALSE(system.StayOnTop);
    EXPECT_TRUE(system.RestoreRecord);
    EXPECT_TRUE(system.RestoreWindowPosition);
}

TEST(AppOptions, PresetTableNamesAndValues) {
    const char* names[] = {"(None)", "Default", "Original", "Practice", "Puzzling", "Steps"};
    for (int i = 0; i < appPlayPresetCount; ++i)
        EXPECT_EQ(AppPlayPresetNames(i), names[i]);
    EXPECT_EQ(AppPlayPresets(2), AppPlayOptions(24, 18, 12, 4, 60, 120, false));
    EXPECT_EQ(AppPlayPresets(3), AppPlayOptions(16, 16, 1, 1, 32, 240, true));
    EXPECT_EQ(AppPlayPresets(4), AppPlayOptions(24, 18, 60, 0, 60, 160, true));
    EXPECT_EQ(AppPlayPresets(5), AppPlayOptions(24, 18, 1, 1, 432, 100, false));
}

TEST(AppOptions, FindPresetMatchesAllSevenFieldsAndNeverEntryZero) {
    for (int i = 1; i < appPlayPresetCount; ++i)
        EXPECT_EQ(FindPreset(AppPlayPresets(i)), i);
    EXPECT_EQ(FindPreset(AppPlayOptions(16, 16, 1, 1, 32, 240, true)), 3);
    EXPECT_EQ(FindPreset(AppPlayOptions(16, 16, 1, 1, 32, 240, false)), 0);
    EXPECT_EQ(FindPreset(AppPlayOptions(24, 18, 1, 1, 432, 100, false)), 5);
    EXPECT_EQ(FindPreset(AppPlayOptions(17, 16, 1, 1, 32, 240, true)), 0);
    EXPECT_EQ(FindPreset(AppPlayPresets(0)), 0);
}

TEST(AppOptions, PlayOptionsDifferWhenAnyOneFieldDiffers) {
    const AppPlayOptions base;
    for (int field = 0; field < 7; ++field) {
        AppPlayOptions other = base;
        switch (field) {
        case 0:
            other.Width = 25;
            break;
        case 1:
            other.Height = 19;
            break;
        case 2:
            other.PaddleFirst = 7;
            break;
        case 3:
            other.PaddlePlus = 7;
            break;
        case 4:
            other.PaddleMax = 61;
            break;
        case 5:
            other.Speed = 161;
            break;
        default:
            other.UseSweeper = false;
            break;
        }
        EXPECT_FALSE(other == base) << "field " << field;
        EXPECT_TRUE(other != base) << "field " << field;
    }
    // A copy is independent of its source.
    AppPlayOptions copy = base;
    copy.Width = 16;
    EXPECT_EQ(base.Width, 24);
}

TEST(AppOptions, ViewOptionsCompareBothSizes) {
    EXPECT_NE(AppViewOptions(18, 18), AppViewOptions(18, 19));
    EXPECT_NE(AppViewOptions(18, 18), AppViewOptions(19, 18));
    EXPECT_EQ(AppViewOptions(20, 30), AppViewOptions(20, 30));
}

TEST(AppOptions, ClampValueRaisesToLowThenCutsToHigh) {
    struct Case {
        int value, low, high, expected;
    };
    for (const Case c :
         {Case{40, 16, 32, 32}, Case{5, 10, 1000, 10}, Case{-3, 0, 1024, 0}, Case{16, 16, 32, 16},
          Case{32, 16, 32, 32}, Case{20, 16, 32, 20}, Case{INT_MIN, 1, 1024, 1},
          Case{INT_MAX, 1, 1024, 1024}, Case{5, 10, 1, 1}})
        EXPECT_EQ(ClampValue(c.value, c.low, c.high), c.expected)
            << c.value << " in " << c.low << ".." << c.high;
}

TEST(AppOptions, ClampPlayOptionsBoundsEachIntegerAndKeepsUseSweeper) {
    EXPECT_EQ(ClampOptions(AppPlayOptions(40, 5, 0, -3, 2000, 5, false)),
              AppPlayOptions(32, 16, 1, 0, 1024, 10, false));
    EXPECT_EQ(ClampOptions(AppPlayOptions(INT_MIN, INT_MAX, INT_MAX, INT_MAX, 0, INT_MAX, true)),
              AppPlayOptions(16, 32, 1024, 1024, 1, 1000, true));
    // Valid as they stand: no field is changed because of another.
    EXPECT_EQ(ClampOptions(AppPlayOptions(24, 18, 100, 6, 60, 160, true)),
              AppPlayOptions(24, 18, 100, 6, 60, 160, true));
}

TEST(AppOptions, ClampViewOptionsBoundsBothSizes) {
    EXPECT_EQ(ClampOptions(AppViewOptions(0, 100)), AppViewOptions(18, 32));
    EXPECT_EQ(ClampOptions(AppViewOptions(INT_MAX, INT_MIN)), AppViewOptions(32, 18));
    EXPECT_EQ(ClampOptions(AppViewOptions(25, 19)), AppViewOptions(25, 19));
}

} // namespace
