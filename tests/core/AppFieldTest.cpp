// Counters and dirty list of the play field.
#include "AppField.h"
#include "AppCell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<AppPoint> DirtyList(const AppField& field) {
    std::vector<AppPoint> list;
    for (int i = 0; i < field.GetDirtyCount(); ++i)
        list.push_back(field.GetDirty(i));
    return list;
}

int NonEmptyCells(const AppField& field) {
    int n = 0;
    for (int x = 0; x < field.Width(); ++x)
        for (int y = 0; y < field.Height(); ++y)
            for (int layer = 0; layer < field.Layers(); ++layer)
                n += field.GetCell(x, y, layer) != cellEmpty;
    return n;
}

int CountedCells(const AppField& field) {
    int n = 0;
    for (int code = 1; code < appCellCodeCount; ++code)
        n += field.GetCount(code);
    return n;
}

TEST(AppField, StartsAs16By16By2WithNothingCountedOrDirty) {
    AppField field;
    EXPECT_EQ(field.Width(), 16);
    EXPECT_EQ(field.Height(), 16);
    EXPECT_EQ(field.Layers(), 2);
    EXPECT_EQ(CountedCells(field), 0);
    EXPECT_EQ(field.GetDirtyCount(), 0);
}

TEST(AppField, CountersFollowEveryChangeOfCode) {
    AppField field;
    field.SetCell(1, 2, layerGround, cellPaddleBack);
    field.SetCell(3, 4, layerGround, cellPaddleBack);
    field.SetCell(3, 4, layerBall, cellBall);
    EXPECT_EQ(field.GetCount(cellPaddleBack), 2);

    // A fresh paddle turned used: one count down, the other up.
    field.SetCell(1, 2, layerGround, cellPaddleUsed);
    EXPECT_EQ(field.GetCount(cellPaddleBack), 1);
    EXPECT_EQ(field.GetCount(cellPaddleUsed), 1);
    EXPECT_EQ(CountedCells(field), NonEmptyCells(field));

    field.SetCell(3, 4, layerGround, cellEmpty);
    EXPECT_EQ(field.GetCount(cellPaddleBack), 0);
    EXPECT_EQ(field.GetCount(cellBall), 1);
    EXPECT_EQ(CountedCells(field), NonEmptyCells(field));
}

TEST(AppField, WritingTheSameCodeKeepsCountsButListsThePositionOnce) {
    AppField field;
    field.SetCell(5, 6, layerGround, cellObstacle);
    field.ClearDirty();
    field.SetCell(5, 6, layerGround, cellObstacle);
    field.SetCell(5, 6, layerGround, cellObstacle);
    EXPECT_EQ(field.GetCount(cellObstacle), 1);
    EXPECT_EQ(DirtyList(field), (std::vector<AppPoint>{{5, 6}}));
}

TEST(AppField, ListsEachPositionOnceAcrossLayersInOrderOfFirstChange) {
    AppField field;
    field.SetCell(7, 1, layerBall, cellBall);
    field.SetCell(2, 9, layerGround, cellSweeper);
    field.SetCell(7, 1, layerGround, cellPaddleSlash);
    field.SetCell(2, 9, layerBall, cellBall);
    field.SetCell(0, 0, layerGround, cellObstacle);
    EXPECT_EQ(DirtyList(field), (std::vector<AppPoint>{{7, 1}, {2, 9}, {0, 0}}));
    EXPECT_TRUE(field.IsListed(7, 1));
    EXPECT_FALSE(field.IsListed(1, 7));
}

TEST(AppField, ClearAllListsEveryPositionColumnByColumnEvenWhenAlreadyEmpty) {
    AppField field;
    field.Allocate(3, 2, 2);
    field.ClearAll();
    EXPECT_EQ(DirtyList(field),
              (std::vector<AppPoint>{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}}));

    field.ClearDirty();
    field.SetCell(2, 1, layerBall, cellBall);
    field.SetCell(1, 0, layerGround, cellObstacle);
    field.ClearAll();
    EXPECT_EQ(CountedCells(field), 0);
    EXPECT_EQ(NonEmptyCells(field), 0);
    EXPECT_EQ(field.GetDirtyCount(), 6);
    EXPECT_EQ(field.GetDirty(0), (AppPoint{2, 1})) << "first change keeps its place";
}

TEST(AppField, ReplaceAllListsOnlyReplacedPositionsInColumnOrder) {
    AppField field;
    field.SetCell(9, 3, layerGround, cellPaddleUsed);
    field.SetCell(2, 8, layerGround, cellPaddleUsed);
    field.SetCell(2, 5, layerGround, cellPaddleUsed);
    field.SetCell(4, 4, layerGround, cellObstacle);
    field.ClearDirty();

    field.ReplaceAll(cellPaddleUsed, cellEmpty);
    EXPECT_EQ(DirtyList(field), (std::vector<AppPoint>{{2, 5}, {2, 8}, {9, 3}}));
    EXPECT_EQ(field.GetCount(cellPaddleUsed), 0);
    EXPECT_EQ(field.GetCount(cellObstacle), 1);
}

TEST(AppField, ReplaceAllWithNothingToReplaceListsNothing) {
    AppField field;
    field.SetCell(3, 3, layerGround, cellObstacle);
    field.ClearDirty();
    field.ReplaceAll(cellPaddleUsed, cellEmpty);
    EXPECT_EQ(field.GetDirtyCount(), 0);
    EXPECT_EQ(field.GetCount(cellObstacle), 1);
}

TEST(AppField, ClearDirtyEmptiesTheListAndLetsPositionsBeListedAgain) {
    AppField field;
    field.SetCell(4, 5, layerGround, cellSweeper);
    field.SetCell(6, 7, layerGround, cellSweeper);
    field.ClearDirty();
    EXPECT_EQ(field.GetDirtyCount(), 0);
    EXPECT_FALSE(field.IsListed(4, 5));
    EXPECT_FALSE(field.IsListed(6, 7));

    field.SetCell(6, 7, layerGround, cellEmpty);
    EXPECT_EQ(DirtyList(field), (std::vector<AppPoint>{{6, 7}}));
    EXPECT_TRUE(field.IsListed(6, 7));
}

TEST(AppField, AllocateAndResizeStartEmptyWithZeroCounts) {
    AppField field;
    field.SetCell(1, 1, layerGround, cellObstacle);
    field.SetCell(1, 1, layerBall, cellBall);

    field.Resize(32, 20, 2);
    EXPECT_EQ(field.Width(), 32);
    EXPECT_EQ(field.Height(), 20);
    EXPECT_EQ(field.GetDirtyCount(), 0);
    EXPECT_EQ(CountedCells(field), 0);
    EXPECT_EQ(NonEmptyCells(field), 0);

    field.SetCell(31, 19, layerGround, cellPaddleSlash);
    field.Allocate(17, 16, 2);
    EXPECT_EQ(field.GetDirtyCount(), 0);
    EXPECT_EQ(CountedCells(field), 0);
    EXPECT_FALSE(field.IsListed(16, 15));
}

TEST(AppField, ReleaseLeavesNoDimensions) {
    AppField field;
    field.SetCell(0, 0, layerGround, cellObstacle);
    field.Release();
    EXPECT_EQ(field.Width(), 0);
    EXPECT_EQ(field.Height(), 0);
    EXPECT_EQ(field.Layers(), 0);
    EXPECT_EQ(field.GetDirtyCount(), 0);
}

} // namespace
