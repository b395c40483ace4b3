// The player's input: clicks that start and launch, keys that put paddles and shove obstacles.
#include "AppGameTestPeer.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Requests = std::vector<std::string>;

// A seed whose first draw below 4 is the given launch draw.
std::uint64_t SeedDrawing(int draw) {
    for (std::uint64_t seed = 1;; ++seed)
        if (AppRandom(seed).Below(4) == draw)
            return seed;
}

// A running game on a clear ground with the ball at (10, 8) moving down.
GameHarness& Launched(GameHarness& h) {
    h.Arrange(10, 8, 0, 1);
    h.Put(0, 0, cellPaddleBack);
    h.Field().ClearDirty();
    return h;
}

TEST(AppGameInput, LeftClickStartsAGameFromTheTitle) {
    GameHarness h;
    h.game.FormMouseDown(AppMouseButton::Left);
    EXPECT_EQ(h.game.State(), stPlaying);
    EXPECT_TRUE(h.game.ball.IsStanding());
    EXPECT_EQ(h.view.requests.back(), "Play(0)");
}

TEST(AppGameInput, OtherButtonsDoNothingInAnyState) {
    GameHarness h;
    for (AppMouseButton button :
         {AppMouseButton::Right, AppMouseButton::Middle, AppMouseButton::Other}) {
        h.game.FormMouseDown(button);
        EXPECT_EQ(h.game.State(), stTitle);
    }
    h.NewGame();
    AppRandom twin(h.random);
    h.game.FormMouseDown(AppMouseButton::Right);
    h.game.FormMouseDown(AppMouseButton::Middle);
    EXPECT_TRUE(h.game.ball.IsStanding());
    EXPECT_EQ(h.random.Next(), twin.Next());
    EXPECT_TRUE(h.view.requests.empty());
}

struct LaunchCase {
    int draw, dx, dy;
};

class AppGameLaunch : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(AppGameLaunch, LeftClickLaunchesTheStandingBallInTheDrawnDirection) {
    const LaunchCase c = GetParam();
    GameHarness h;
    h.NewGame();
    h.random.Seed(SeedDrawing(c.draw));
    h.game.FormMouseDown(AppMouseButton::Left);
    EXPECT_EQ(h.game.ball.dx, c.dx);
    EXPECT_EQ(h.game.ball.dy, c.dy);
    EXPECT_EQ(h.game.ball.x, 12) << "the first move waits for the next tick";
    EXPECT_TRUE(h.view.requests.empty());

    // A second click neither turns the ball nor draws.
    AppRandom twin(h.random);
    h.game.FormMouseDown(AppMouseButton::Left);
    EXPECT_EQ(h.game.ball.dx, c.dx);
    EXPECT_EQ(h.game.ball.dy, c.dy);
    EXPECT_EQ(h.random.Next(), twin.Next());
}

INSTANTIATE_TEST_SUITE_P(LaunchTable, AppGameLaunch,
                         ::testing::Values(LaunchCase{0, -1, 0}, LaunchCase{1, 1, 0},
                                           LaunchCase{2, 0, -1}, LaunchCase{3, 0, 1}));

TEST(AppGameInput, ClicksAfterTheGameIsOverAreIgnored) {
    GameHarness h;
    h.NewGame();
    h.game.SetState(stGameOver);
    h.view.requests.clear();
    h.game.FormMouseDown(AppMouseButton::Left);
    EXPECT_EQ(h.game.State(), stGameOver);
    EXPECT_TRUE(h.view.requests.empty());
}

struct KeyCase {
    int key, paddle;
};

// Each ground a paddle key may land on; the ball's cell is (10, 8).
struct Target {
    int x, y, ground;
};

class AppGamePaddleKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AppGamePaddleKey, PutsItsPaddleOnAnythingButAnObstacle) {
    const KeyCase c = GetParam();
    for (const Target t :
         {Target{3, 4, cellEmpty}, Target{3, 4, cellPaddleUsed}, Target{3, 4, cellSweeper},
          Target{3, 4, cellPaddleBack}, Target{3, 4, cellPaddleSlash}, Target{10, 8, cellEmpty}}) {
        GameHarness h;
        Launched(h);
        h.Put(t.x, t.y, t.ground);
        h.Field().ClearDirty();
        std::vector<AppPoint> painted;
        h.view.beforeClear = [&](const AppField& field) {
            for (int i = 0; i < field.GetDirtyCount(); ++i)
                painted.push_back(field.GetDirty(i));
        };
        h.game.FormKeyDown(c.key, h.PixelOf(t.x, t.y));
        EXPECT_EQ(h.Ground(t.x, t.y), c.paddle) << "key " << c.key << " on " << t.ground;
        EXPECT_EQ(h.view.requests, (Requests{"PaintCells(true)"}));
        EXPECT_EQ(painted, (std::vector<AppPoint>{{t.x, t.y}}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllTenKeys, AppGamePaddleKey,
    ::testing::Values(KeyCase{AppKey::W, cellPaddleSlash}, KeyCase{AppKey::U, cellPaddleSlash},
                      KeyCase{AppKey::R, cellPaddleBack}, KeyCase{AppKey::O, cellPaddleBack},
                      KeyCase{AppKey::S, cellPaddleBack}, KeyCase{AppKey::J, cellPaddleBack},
                      KeyCase{AppKey::Left, cellPaddleBack}, KeyCase{AppKey::F, cellPaddleSlash},
                      KeyCase{AppKey::L, cellPaddleSlash},
                      KeyCase{AppKey::Right, cellPaddleSlash}));

TEST(AppGameInput, KeysDoNothingUntilTheBallIsLaunched) {
    GameHarness h;
    h.NewGame();
    const AppPoint pixel = h.PixelOf(2, 2);
    const int before = h.Ground(2, 2);
    h.game.FormKeyDown(AppKey::W, pixel);
    EXPECT_EQ(h.Ground(2, 2), before);
    EXPECT_TRUE(h.view.requests.empty());

    h.game.SetState(stGameOver);
    h.view.requests.clear();
    h.game.FormKeyDown(AppKey::W, pixel);
    EXPECT_EQ(h.Ground(2, 2), before);
    EXPECT_TRUE(h.view.requests.empty());
}

TEST(AppGameInput, UnlistedKeysMissingPointerAndPointsOffTheFieldAreIgnored) {
    GameHarness h;
    Launched(h);
    for (int key : {0, 65, 68, 38, 40, 119, 32, 13})
        h.game.FormKeyDown(key, h.PixelOf(3, 3));
    h.game.FormKeyDown(AppKey::W, std::nullopt);
    for (AppPoint pixel :
         {AppPoint{-1, 9}, AppPoint{9, -1}, AppPoint{24 * 18, 9}, AppPoint{9, 18 * 18},
          AppPoint{INT_MAX, INT_MAX}, AppPoint{INT_MIN, INT_MIN}, AppPoint{-40, -40}})
        h.game.FormKeyDown(AppKey::W, pixel);
    EXPECT_EQ(h.Field().GetCount(cellPaddleSlash), 0);
    EXPECT_EQ(h.Field().GetCount(cellPaddleBack), 1);
    EXPECT_EQ(h.Field().GetDirtyCount(), 0);
    EXPECT_TRUE(h.view.requests.empty());
}

struct ShoveCase {
    int key, from, to; // to -1: pushed off the field
};

class AppGameShove : public ::testing::TestWithParam<ShoveCase> {};

TEST_P(AppGameShove, ShovesTheObstacleOneColumnOrOffTheEdge) {
    const ShoveCase c = GetParam();
    GameHarness h;
    Launched(h);
    h.Put(c.from, 3, cellObstacle);
    h.Put(c.to < 0 ? 12 : c.to, 3, cellPaddleSlash);
    h.Field().ClearDirty();
    h.game.FormKeyDown(c.key, h.PixelOf(c.from, 3));

    EXPECT_EQ(h.Ground(c.from, 3), cellEmpty);
    EXPECT_EQ(h.Field().GetCount(cellObstacle), c.to < 0 ? 0 : 1);
    if (c.to >= 0) {
        EXPECT_EQ(h.Ground(c.to, 3), cellObstacle) << "overwrites the paddle there";
        EXPECT_EQ(h.Field().GetCount(cellPaddleSlash), 0);
    }
    EXPECT_EQ(h.view.requests, (Requests{"PaintCells(true)"}));
    EXPECT_EQ(h.game.State(), stPlaying);
}

INSTANTIATE_TEST_SUITE_P(
    LeftAndRight, AppGameShove,
    ::testing::Values(ShoveCase{AppKey::S, 5, 4}, ShoveCase{AppKey::J, 5, 4},
                      ShoveCase{AppKey::Left, 5, 4}, ShoveCase{AppKey::F, 5, 6},
                      ShoveCase{AppKey::L, 5, 6}, ShoveCase{AppKey::Right, 5, 6},
                      ShoveCase{AppKey::S, 0, -1}, ShoveCase{AppKey::Left, 0, -1},
                      ShoveCase{AppKey::F, 23, -1}, ShoveCase{AppKey::Right, 23, -1}));

TEST(AppGameInput, ShovingAnObstacleOntoTheBallEndsTheGameAndLeavesItInPlace) {
    GameHarness h;
    Launched(h);
    h.Put(11, 8, cellObstacle);
    h.Field().ClearDirty();
    AppGameTestPeer::SetScore(h.game, 4, h.game.Phase());
    h.game.FormKeyDown(AppKey::Left, h.PixelOf(11, 8));
    EXPECT_EQ(h.game.State(), stGameOver);
    EXPECT_EQ(h.Ground(11, 8), cellObstacle);
    EXPECT_EQ(h.Ground(10, 8), cellEmpty);
    EXPECT_EQ(h.game.RecordScore(), 4);
    EXPECT_EQ(h.view.requests, (Requests{"PaintGameOver(true)"}));
}

TEST(AppGameInput, ShovingOntoAnotherObstacleMergesThem) {
    GameHarness h;
    Launched(h);
    h.Put(4, 3, cellObstacle);
    h.Put(5, 3, cellObstacle);
    h.game.FormKeyDown(AppKey::J, h.PixelOf(5, 3));
    EXPECT_EQ(h.Field().GetCount(cellObstacle), 1);
    EXPECT_EQ(h.Ground(4, 3), cellObstacle);
    EXPECT_EQ(h.Ground(5, 3), cellEmpty);
}

TEST(AppGameInput, PaddleOnlyKeysLeaveAnObstacleAloneAndPaintNothing) {
    GameHarness h;
    Launched(h);
    h.Put(5, 3, cellObstacle);
    h.Field().ClearDirty();
    for (int key : {AppKey::W, AppKey::R, AppKey::U, AppKey::O})
        h.game.FormKeyDown(key, h.PixelOf(5, 3));
    EXPECT_EQ(h.Ground(5, 3), cellObstacle);
    EXPECT_EQ(h.Field().GetDirtyCount(), 0);
    EXPECT_TRUE(h.view.requests.empty());
}

TEST(AppGameInput, ShoveKeyPressedTwiceMovesTheObstacleThenPutsAPaddle) {
    GameHarness h;
    Launched(h);
    h.Put(5, 3, cellObstacle);
    h.game.FormKeyDown(AppKey::S, h.PixelOf(5, 3));
    h.game.FormKeyDown(AppKey::S, h.PixelOf(5, 3));
    EXPECT_EQ(h.Ground(4, 3), cellObstacle);
    EXPECT_EQ(h.Ground(5, 3), cellPaddleBack);
}

TEST(AppGameInput, PixelToCellRoundsEveryNegativePixelToANegativeIndex) {
    GameHarness h;
    h.game.SetViewOptions(AppViewOptions(18, 20));
    struct Case {
        int pixel, column, row;
    };
    for (const Case c : {Case{0, 0, 0}, Case{17, 0, 0}, Case{18, 1, 0}, Case{19, 1, 0},
                         Case{20, 1, 1}, Case{-1, -1, -1}, Case{-18, -1, -1}, Case{-19, -1, -1},
                         Case{-20, -1, -1}, Case{-36, -2, -1}, Case{-40, -2, -2}})
        EXPECT_EQ(h.game.PixelToCell({c.pixel, c.pixel}), (AppPoint{c.column, c.row}))
            << "pixel " << c.pixel;
    EXPECT_EQ(h.game.PixelToCell({INT_MAX, INT_MAX}), (AppPoint{INT_MAX / 18, INT_MAX / 20}));
}

TEST(AppGameInput, CellSizesBelowTheRangeAreBoundedBeforeDividing) {
    GameHarness h;
    h.game.SetViewOptions(AppViewOptions(0, -3));
    EXPECT_EQ(h.game.ViewOptions(), AppViewOptions(18, 18));
    EXPECT_EQ(h.game.PixelToCell({18, 35}), (AppPoint{1, 1}));
}

} // namespace
