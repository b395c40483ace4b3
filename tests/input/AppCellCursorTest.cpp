// The cursor cell wraps with a field of any shape, by any step, and keeps its cell when hidden.
#include "AppCellCursor.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(AppCellCursor, MovesWrapAtEveryEdgeOfANonSquareField) {
    struct Row {
        AppPoint from;
        int dx, dy;
        AppPoint to;
    };
    // A field 5 cells wide and 3 high.
    const Row rows[] = {
        {{2, 1}, 1, 0, {3, 1}},        {{0, 1}, -1, 0, {4, 1}},
        {{4, 1}, 1, 0, {0, 1}},        {{2, 0}, 0, -1, {2, 2}},
        {{2, 2}, 0, 1, {2, 0}},        {{4, 2}, 1, 1, {0, 0}},
        {{0, 0}, -1001, 1000, {4, 1}}, {{3, 2}, INT_MAX, INT_MIN, {0, 0}},
        {{9, -4}, 0, 0, {4, 2}}, // a cell off a field that shrank comes back onto it
    };
    for (const Row& row : rows) {
        AppCellCursor cursor;
        cursor.StartAt(row.from);
        cursor.Move(row.dx, row.dy, 5, 3);
        EXPECT_EQ(cursor.Cell(), row.to)
            << row.from.x << "," << row.from.y << " by " << row.dx << "," << row.dy;
    }

    // No field: the cursor stays; hiding and showing never move it.
    AppCellCursor cursor;
    cursor.StartAt({3, 2});
    cursor.Move(1, 1, 0, 3);
    EXPECT_EQ(cursor.Cell(), (AppPoint{3, 2}));
    EXPECT_FALSE(cursor.Shown());
    cursor.Show();
    cursor.StartAt({1, 1});
    EXPECT_TRUE(cursor.Shown());
    cursor.Hide();
    EXPECT_EQ(cursor.Cell(), (AppPoint{1, 1}));
}

} // namespace
