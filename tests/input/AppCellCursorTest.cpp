// The cursor cell wraps by any step, comes back onto a field that shrank, and stays on none.
#include "AppCellCursor.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(AppCellCursor, WrapsAnyStepOntoTheFieldAndStaysPutWithoutOne) {
    struct Row {
        AppPoint from;
        int dx, dy, width, height;
        AppPoint to;
    };
    const Row rows[] = {
        {{4, 2}, 1, 1, 5, 3, {0, 0}},
        {{0, 0}, -1001, 1000, 5, 3, {4, 1}},
        {{3, 2}, INT_MAX, INT_MIN, 5, 3, {0, 0}},
        {{9, -4}, 0, 0, 5, 3, {4, 2}},
        {{3, 2}, 1, 1, 0, 3, {3, 2}},
    };
    for (const Row& row : rows) {
        AppCellCursor cursor;
        cursor.StartAt(row.from);
        cursor.Move(row.dx, row.dy, row.width, row.height);
        EXPECT_EQ(cursor.Cell(), row.to) << row.dx << "," << row.dy << " on " << row.width;
    }
}

} // namespace
