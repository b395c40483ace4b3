// The cursor cell wraps by any step, comes back onto a field that shrank, and stays on none.
#include "AppCellCursor.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(AppCellCursor, WrapsAnyStepOntoAFieldFiveWideAndThreeHigh) {
    struct Row {
        AppPoint from;
        int dx, dy;
        AppPoint to;
    };
    const Row rows[] = {
        {{4, 2}, 1, 1, {0, 0}},
        {{0, 0}, -1001, 1000, {4, 1}},
        {{3, 2}, INT_MAX, INT_MIN, {0, 0}},
        {{9, -4}, 0, 0, {4, 2}},
    };
    for (const Row& row : rows) {
        AppCellCursor cursor;
        cursor.StartAt(row.from);
        cursor.Move(row.dx, row.dy, 5, 3);
        EXPECT_EQ(cursor.Cell(), row.to) << row.dx << "," << row.dy;
    }
    AppCellCursor cursor;
    cursor.StartAt({3, 2});
    cursor.Move(1, 1, 0, 3);
    EXPECT_EQ(cursor.Cell(), (AppPoint{3, 2}));
}

} // namespace
