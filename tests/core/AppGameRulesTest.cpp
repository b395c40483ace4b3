// The game's states and rules: new game, ticks, bounces, wraps, sweepers, phases and records.
#include "AppGameTestPeer.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

using Requests = std::vector<std::string>;

// The ground a phase layout deals on a wiped field, drawn from a twin of the
// game's random source: per paddle kind, row, column; per sweeper row, column.
std::vector<int> DealtGround(AppRandom twin, int width, int height, int paddles, int sweepers) {
    std::vector<int> ground(static_cast<std::size_t>(width * height), cellEmpty);
    for (int i = 0; i < paddles; ++i) {
        const int kind = twin.Below(2) == 0 ? cellPaddleBack : cellPaddleSlash;
        const int row = twin.Below(height);
        const int column = twin.Below(width);
        ground[static_cast<std::size_t>(column * height + row)] = kind;
    }
    for (int i = 0; i < sweepers; ++i) {
        const int row = twin.Below(height);
        const int column = twin.Below(width);
        ground[static_cast<std::size_t>(column * height + row)] = cellSweeper;
    }
    return ground;
}

std::vector<int> GroundOf(AppField& field) {
    std::vector<int> ground;
    for (int x = 0; x < field.Width(); ++x)
        for (int y = 0; y < field.Height(); ++y)
            ground.push_back(field.GetCell(x, y, layerGround));
    return ground;
}

int RandomOther(AppRandom& twin, int value, int size) {
    return (value + twin.Below(size - 1) + 1) % size;
}

TEST(AppGameRules, SetupSizesPictureAndFieldThenShowsTheTitle) {
    GameHarness h;
    h.game.SetPlayOptions(AppPlayOptions(20, 17, 6, 6, 60, 160, true));
    h.game.SetState(stSetup);
    EXPECT_EQ(h.view.requests, (Requests{"ResizeBackBuffer", "PaintTitle(true)"}));
    EXPECT_EQ(h.game.State(), stTitle);
    EXPECT_EQ(h.Field().Width(), 20);
    EXPECT_EQ(h.Field().Height(), 17);
    EXPECT_EQ(h.Field().Layers(), 2);
}

TEST(AppGameRules, NewGameCentresAStandingBallAndDealsTheFirstLayout) {
    GameHarness h;
    int dirtyAtPaint = -1;
    AppPoint firstDirty{-1, -1};
    h.view.beforeClear = [&](const AppField& field) {
        dirtyAtPaint = field.GetDirtyCount();
        firstDirty = field.GetDirty(0);
    };
    h.random.Seed(77);
    h.game.SetState(stPlaying);

    EXPECT_EQ(h.view.requests, (Requests{"PaintCells(false)", "FormPaint", "Play(0)"}));
    EXPECT_EQ(dirtyAtPaint, 24 * 18) << "the whole field was cleared before painting";
    EXPECT_EQ(firstDirty, (AppPoint{0, 0}));
    EXPECT_EQ(h.game.State(), stPlaying);
    EXPECT_EQ(h.game.ball.x, 12);
    EXPECT_EQ(h.game.ball.y, 9);
    EXPECT_TRUE(h.game.ball.IsStanding());
    EXPECT_TRUE(h.Field().IsCell(12, 9, layerBall, cellBall));
    EXPECT_EQ(h.game.Score(), 0);
    EXPECT_EQ(h.game.Phase(), 1);
    EXPECT_EQ(h.game.PaddleQuota(), 6);
    EXPECT_EQ(h.game.SweeperQuota(), 1);
    EXPECT_EQ(GroundOf(h.Field()), DealtGround(AppRandom(77), 24, 18, 6, 1));
}

TEST(AppGameRules, NewGameWithoutSweepersDealsNone) {
    GameHarness h(AppPlayOptions(24, 18, 6, 6, 60, 160, false));
    h.NewGame();
    EXPECT_EQ(h.game.SweeperQuota(), 0);
    EXPECT_EQ(h.Field().GetCount(cellSweeper), 0);
}

TEST(AppGameRules, StandingBallRelistsOnlyItsCellEachTick) {
    GameHarness h;
    h.Arrange(12, 9, 0, 0);
    std::vector<int> dirtyCounts;
    h.view.beforeClear = [&](const AppField& field) {
        dirtyCounts.push_back(field.GetDirtyCount());
        EXPECT_EQ(field.GetDirty(0), (AppPoint{12, 9}));
    };
    // No fresh paddle is left, yet a standing ball never clears the phase.
    h.game.Step();
    h.game.Step();
    EXPECT_EQ(h.view.requests, (Requests{"PaintCells(true)", "PaintCells(true)"}));
    EXPECT_EQ(dirtyCounts, (std::vector<int>{1, 1}));
    EXPECT_EQ(h.game.Phase(), 1);
    EXPECT_EQ(h.Field().GetCount(cellBall), 1);
}

struct BounceCase {
    int dx, dy, paddle, newDx, newDy;
};

class AppGameBounce : public ::testing::TestWithParam<BounceCase> {};

TEST_P(AppGameBounce, FreshPaddleTurnsTheBallScoresAndIsUsedUp) {
    const BounceCase c = GetParam();
    GameHarness h;
    h.Arrange(10, 8, c.dx, c.dy);
    h.Put(10 + c.dx, 8 + c.dy, c.paddle);
    h.Put(0, 0, cellPaddleBack); // keeps the phase from clearing
    h.game.Step();

    EXPECT_EQ(h.game.ball.x, 10 + c.dx);
    EXPECT_EQ(h.game.ball.y, 8 + c.dy);
    EXPECT_EQ(h.game.ball.dx, c.newDx);
    EXPECT_EQ(h.game.ball.dy, c.newDy);
    EXPECT_EQ(h.Ground(10 + c.dx, 8 + c.dy), cellPaddleUsed);
    EXPECT_EQ(h.game.Score(), 1);
    EXPECT_EQ(h.view.requests, (Requests{"Play(1)", "PaintCells(true)"}));
}

INSTANTIATE_TEST_SUITE_P(AllDirectionsBothKinds, AppGameBounce,
                         ::testing::Values(BounceCase{1, 0, cellPaddleBack, 0, 1},
                                           BounceCase{1, 0, cellPaddleSlash, 0, -1},
                                           BounceCase{-1, 0, cellPaddleBack, 0, -1},
                                           BounceCase{-1, 0, cellPaddleSlash, 0, 1},
                                           BounceCase{0, -1, cellPaddleBack, -1, 0},
                                           BounceCase{0, -1, cellPaddleSlash, 1, 0},
                                           BounceCase{0, 1, cellPaddleBack, 1, 0},
                                           BounceCase{0, 1, cellPaddleSlash, -1, 0}));

class AppGameFreshLeft : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(AppGameFreshLeft, AFreshPaddleOfEitherKindLeftKeepsThePhase) {
    const auto [bounced, left] = GetParam();
    GameHarness h;
    h.Arrange(10, 8, 1, 0);
    h.Put(11, 8, bounced);
    h.Put(3, 3, left);
    h.game.Step();
    EXPECT_EQ(h.game.Phase(), 1);
    EXPECT_EQ(h.Ground(3, 3), left);
    EXPECT_EQ(h.view.requests, (Requests{"Play(1)", "PaintCells(true)"}));
}

INSTANTIATE_TEST_SUITE_P(KindPairs, AppGameFreshLeft,
                         ::testing::Values(std::pair{cellPaddleBack, cellPaddleBack},
                                           std::pair{cellPaddleBack, cellPaddleSlash},
                                           std::pair{cellPaddleSlash, cellPaddleBack},
                                           std::pair{cellPaddleSlash, cellPaddleSlash}));

struct WrapCase {
    int x, y, dx, dy, nx, ny;
};

class AppGameWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(AppGameWrap, CrossingAnEdgeComesOutOppositeAndPlacesAnObstacleOffTheBallsLines) {
    const WrapCase c = GetParam();
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        GameHarness h;
        h.Arrange(c.x, c.y, c.dx, c.dy);
        // Two fresh paddles off the ball's lines: the obstacle can cover one at most.
        h.Put(c.nx == 3 ? 4 : 3, c.ny == 3 ? 4 : 3, cellPaddleBack);
        h.Put(c.nx == 5 ? 6 : 5, c.ny == 5 ? 6 : 5, cellPaddleBack);
        h.random.Seed(seed);
        AppRandom twin(seed);
        const int row = RandomOther(twin, c.ny, 18);
        const int column = RandomOther(twin, c.nx, 24);
        h.game.Step();

        ASSERT_EQ(h.game.ball.x, c.nx);
        ASSERT_EQ(h.game.ball.y, c.ny);
        ASSERT_EQ(h.game.State(), stPlaying);
        ASSERT_EQ(h.Field().GetCount(cellObstacle), 1);
        ASSERT_EQ(h.Ground(column, row), cellObstacle) << "row drawn before column";
        ASSERT_NE(row, c.ny);
        ASSERT_NE(column, c.nx);
    }
}

INSTANTIATE_TEST_SUITE_P(FourEdges, AppGameWrap,
                         ::testing::Values(WrapCase{23, 5, 1, 0, 0, 5},
                                           WrapCase{0, 5, -1, 0, 23, 5},
                                           WrapCase{7, 0, 0, -1, 7, 17},
                                           WrapCase{7, 17, 0, 1, 7, 0}));

TEST(AppGameRules, CrossingStraightIntoAnObstacleEndsTheGameWhereTheBallStands) {
    GameHarness h;
    h.Arrange(23, 5, 1, 0);
    h.Put(0, 5, cellObstacle);
    h.Put(3, 3, cellPaddleSlash);
    h.Field().ClearDirty();
    AppGameTestPeer::SetScore(h.game, 7, h.game.Phase());
    AppRandom twin(h.random);
    h.game.Step();

    EXPECT_EQ(h.game.State(), stGameOver);
    EXPECT_EQ(h.view.requests, (Requests{"PaintGameOver(true)"}));
    EXPECT_EQ(h.Field().GetCount(cellObstacle), 1) << "no wrap obstacle";
    EXPECT_EQ(h.Field().GetDirtyCount(), 0);
    EXPECT_TRUE(h.Field().IsCell(23, 5, layerBall, cellBall));
    EXPECT_EQ(h.game.ball.x, 23);
    EXPECT_EQ(h.game.RecordScore(), 7);
    EXPECT_EQ(h.random.Next(), twin.Next()) << "nothing drawn";

    h.game.Step();
    EXPECT_EQ(h.view.requests.size(), 1u) << "steps do nothing after the game";
}

TEST(AppGameRules, SweeperRemovesUsedPaddlesAndBecomesAnObstacleThatEndsTheGameOnReentry) {
    GameHarness h;
    h.Arrange(10, 8, 1, 0);
    h.Put(11, 8, cellSweeper);
    h.Put(2, 2, cellPaddleUsed);
    h.Put(20, 15, cellPaddleUsed);
    h.Put(4, 4, cellPaddleBack);
    h.Put(5, 5, cellPaddleSlash);
    h.game.Step();

    EXPECT_EQ(h.Field().GetCount(cellPaddleUsed), 0);
    EXPECT_EQ(h.Field().GetCount(cellSweeper), 0);
    EXPECT_EQ(h.Ground(11, 8), cellObstacle);
    EXPECT_TRUE(h.Field().IsCell(11, 8, layerBall, cellBall));
    EXPECT_EQ(h.Field().GetCount(cellPaddleBack) + h.Field().GetCount(cellPaddleSlash), 2);

    // Round the wrapping row: wrap obstacles never land on it, so the ball
    // runs 24 cells and then into the old sweeper.
    for (int tick = 0; tick < 24 && h.game.State() == stPlaying; ++tick)
        h.game.Step();
    EXPECT_EQ(h.game.State(), stGameOver);
    EXPECT_EQ(h.game.ball.x, 10);
    EXPECT_EQ(h.game.ball.y, 8);
}

TEST(AppGameRules, EnteringAUsedPaddleMovesAFreshOneOffTheBallsLines) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        GameHarness h;
        h.Arrange(10, 8, 1, 0);
        h.Put(11, 8, cellPaddleUsed);
        h.Put(0, 0, cellPaddleBack);
        h.Put(1, 1, cellPaddleBack);
        h.random.Seed(seed);
        AppRandom twin(seed);
        const int kind = twin.Below(2) == 0 ? cellPaddleBack : cellPaddleSlash;
        const int row = RandomOther(twin, 8, 18);
        const int column = RandomOther(twin, 11, 24);
        h.game.Step();

        ASSERT_EQ(h.Ground(11, 8), cellEmpty);
        ASSERT_EQ(h.game.ball.x, 11);
        ASSERT_EQ(h.game.ball.dx, 1);
        ASSERT_EQ(h.game.ball.dy, 0);
        ASSERT_EQ(h.Ground(column, row), kind) << "kind, then row, then column";
        ASSERT_NE(row, 8);
        ASSERT_NE(column, 11);
        ASSERT_EQ(h.game.Score(), 0);
    }
}

struct PhaseCase {
    int paddleMax;
    bool useSweeper;
    int expectedQuota;
    int expectedSweepers;
};

class AppGamePhaseClear : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(AppGamePhaseClear, LastBounceClearsThePhaseAndDealsAGrownLayoutInTheSameTick) {
    const PhaseCase c = GetParam();
    GameHarness h(AppPlayOptions(24, 18, 6, 6, c.paddleMax, 160, c.useSweeper));
    h.Arrange(10, 8, 1, 0);
    h.Put(11, 8, cellPaddleSlash);
    h.Put(0, 0, cellObstacle);
    h.Put(3, 14, cellObstacle);
    h.Put(20, 2, cellObstacle);
    h.random.Seed(5);
    h.game.Step();

    EXPECT_EQ(h.game.Score(), 1);
    EXPECT_EQ(h.game.Phase(), 2);
    EXPECT_EQ(h.game.PaddleQuota(), c.expectedQuota);
    EXPECT_EQ(h.game.SweeperQuota(), c.expectedSweepers);
    EXPECT_EQ(h.view.requests, (Requests{"Play(1)", "Play(2)", "PaintCells(true)"}));
    EXPECT_EQ(GroundOf(h.Field()),
              DealtGround(AppRandom(5), 24, 18, c.expectedQuota, c.expectedSweepers));
    // The layout leaves the ball where it went, turned up by the slash.
    EXPECT_TRUE(h.Field().IsCell(11, 8, layerBall, cellBall));
    EXPECT_EQ(h.game.ball.dy, -1);
}

// 6 + 3 obstacles + 6 = 15, cut to PaddleMax when that is lower.
INSTANTIATE_TEST_SUITE_P(QuotaGrowthAndCap, AppGamePhaseClear,
                         ::testing::Values(PhaseCase{60, false, 15, 0}, PhaseCase{10, false, 10, 0},
                                           PhaseCase{60, true, 15, 2}));

TEST(AppGameRules, PaddleFirstAboveTheCapIsDealtInFullAndCutAtTheFirstClear) {
    GameHarness h(AppPlayOptions(24, 18, 20, 0, 10, 160, false));
    h.random.Seed(9);
    h.NewGame();
    EXPECT_EQ(h.game.PaddleQuota(), 20);
    EXPECT_EQ(GroundOf(h.Field()), DealtGround(AppRandom(9), 24, 18, 20, 0));

    h.Arrange(10, 8, 1, 0);
    h.Put(11, 8, cellPaddleBack);
    h.game.Step();
    EXPECT_EQ(h.game.Phase(), 2);
    EXPECT_EQ(h.game.PaddleQuota(), 10);
}

TEST(AppGameRules, PhaseClearsWithoutABounceWhenAWrapObstacleCoversTheLastPaddle) {
    // The lone fresh paddle sits just where the wrap obstacle will be drawn.
    GameHarness h(AppPlayOptions(16, 16, 1, 0, 60, 160, false));
    h.Arrange(15, 4, 1, 0);
    AppRandom twin(h.random);
    const int row = RandomOther(twin, 4, 16);
    const int column = RandomOther(twin, 0, 16);
    h.Put(column, row, cellPaddleSlash);
    h.game.Step();
    EXPECT_EQ(h.game.Score(), 0);
    EXPECT_EQ(h.game.Phase(), 2);
    EXPECT_EQ(h.game.PaddleQuota(), 2) << "1 + the wrap obstacle + 0";
    EXPECT_EQ(h.view.requests, (Requests{"Play(2)", "PaintCells(true)"}));
}

struct RecordCase {
    int score, phase, recordScore, recordPhase, newScore, newPhase;
};

class AppGameRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(AppGameRecords, GameOverRaisesScoreAndPhaseRecordsSeparately) {
    const RecordCase c = GetParam();
    GameHarness h;
    h.NewGame();
    AppGameTestPeer::SetScore(h.game, c.score, c.phase);
    h.game.SetRecord(c.recordScore, c.recordPhase);
    h.game.SetState(stGameOver);
    EXPECT_EQ(h.game.RecordScore(), c.newScore);
    EXPECT_EQ(h.game.RecordPhase(), c.newPhase);
    EXPECT_EQ(h.view.requests, (Requests{"PaintGameOver(true)"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, AppGameRecords,
                         ::testing::Values(RecordCase{40, 2, 30, 3, 40, 3},
                                           RecordCase{20, 5, 30, 3, 30, 5},
                                           RecordCase{30, 3, 30, 3, 30, 3},
                                           RecordCase{50, 6, 30, 3, 50, 6}));

TEST(AppGameRules, NewGameOrSetupAbandonsAGameWithoutTouchingRecords) {
    GameHarness h;
    h.NewGame();
    AppGameTestPeer::SetScore(h.game, 99, 9);
    h.game.SetRecord(3, 1);
    h.game.SetState(stPlaying);
    EXPECT_EQ(h.game.RecordScore(), 3);
    EXPECT_EQ(h.game.RecordPhase(), 1);
    EXPECT_EQ(h.game.Score(), 0);
    EXPECT_EQ(h.game.Phase(), 1);

    AppGameTestPeer::SetScore(h.game, 99, h.game.Phase());
    h.game.SetState(stSetup);
    EXPECT_EQ(h.game.State(), stTitle);
    EXPECT_EQ(h.game.RecordScore(), 3);
    EXPECT_EQ(h.game.RecordPhase(), 1);
    EXPECT_EQ(h.game.Score(), 0);
    EXPECT_EQ(h.game.Phase(), 0);
}

TEST(AppGameRules, TextsOfStateScoreAndRecord) {
    GameHarness h;
    EXPECT_EQ(h.game.StateText(), "State: Not Playing");
    h.NewGame();
    EXPECT_EQ(h.game.StateText(), "State: Playing");
    AppGameTestPeer::SetScore(h.game, 40, 2);
    h.game.SetRecord(30, 13);
    EXPECT_EQ(h.game.ScoreText(), "Score: 40 pt.  2 ph.");
    EXPECT_EQ(h.game.RecordText(), "Record: 30 pt.  13 ph.");
    h.game.SetState(stGameOver);
    EXPECT_EQ(h.game.StateText(), "State: Not Playing");
    h.game.SetRecord(-5, h.game.RecordPhase());
    EXPECT_EQ(h.game.RecordText(), "Record: -5 pt.  13 ph.");
}

TEST(AppGameRules, TextsInAnotherLanguagePlaceTheNumbersWhereItsWordsPutThem) {
    GameHarness h;
    AppGameTexts texts;
    texts.recordLine = "R %2 f, %1 p, 100% %3";
    texts.stateLine = "%1!";
    h.game.SetTexts(texts);
    h.game.SetRecord(40, 5);
    EXPECT_EQ(h.game.RecordText(), "R 5 f, 40 p, 100% %3");
    EXPECT_EQ(h.game.StateText(), "Not Playing!");
    EXPECT_EQ(h.game.ScoreText(), "Score: 0 pt.  0 ph.");
}

TEST(AppGameRules, RandomOtherColumnAndRowNeverReturnTheirInputAndReachAllOthers) {
    GameHarness h(AppPlayOptions(16, 20, 6, 6, 60, 160, true));
    AppRandom twin(h.random);
    for (int value = 0; value < 16; ++value) {
        std::vector<int> seen(16, 0);
        for (int i = 0; i < 200; ++i) {
            const int column = h.game.RandomOtherColumn(value);
            ASSERT_EQ(column, RandomOther(twin, value, 16));
            ++seen[static_cast<std::size_t>(column)];
        }
        for (int other = 0; other < 16; ++other)
            EXPECT_EQ(seen[static_cast<std::size_t>(other)] == 0, other == value);
        const int row = h.game.RandomOtherRow(value);
        EXPECT_EQ(row, RandomOther(twin, value, 20));
    }
}

TEST(AppGameRules, AbsurdSizesAreBoundedSoSetupAndPlayStayInsideTheField) {
    struct Case {
        int width, height, first, expectedWidth, expectedHeight, expectedFirst;
    };
    for (const Case c : {Case{0, 0, 0, 16, 16, 1}, Case{100000, 100000, 100000, 32, 32, 1024},
                         Case{-5, 40, -7, 16, 32, 1}, Case{INT_MIN, INT_MAX, INT_MIN, 16, 32, 1}}) {
        GameHarness h(AppPlayOptions(c.width, c.height, c.first, -1, -1, 0, true));
        EXPECT_EQ(h.game.PlayOptions().Width, c.expectedWidth);
        EXPECT_EQ(h.game.PlayOptions().Height, c.expectedHeight);
        EXPECT_EQ(h.game.PlayOptions().PaddleFirst, c.expectedFirst);
        EXPECT_EQ(h.game.PlayOptions().PaddlePlus, 0);
        EXPECT_EQ(h.game.PlayOptions().PaddleMax, 1);
        EXPECT_EQ(h.game.PlayOptions().Speed, 10);
        EXPECT_EQ(h.Field().Width(), c.expectedWidth);
        EXPECT_EQ(h.Field().Height(), c.expectedHeight);
        h.game.FormMouseDown(AppMouseButton::Left);
        h.game.FormMouseDown(AppMouseButton::Left);
        for (int tick = 0; tick < 200 && h.game.State() == stPlaying; ++tick)
            h.game.Step();
        EXPECT_EQ(h.Field().GetCount(cellBall), 1);
    }
}

TEST(AppGameRules, OptionsChangedDuringAGameDoNotReachTheRunningField) {
    // The owner applies new options and then sets the game up anew; a tick or
    // a key in between must still keep to the field as it is.
    GameHarness h;
    h.Arrange(20, 8, 1, 0);
    h.Put(0, 0, cellPaddleBack);
    h.Put(1, 1, cellPaddleBack);
    h.game.SetPlayOptions(AppPlayOptions(32, 32, 1024, 0, 1024, 160, true));
    for (int tick = 0; tick < 4; ++tick)
        h.game.Step();
    EXPECT_EQ(h.game.ball.x, 0) << "wrapped at the field's own edge";
    h.game.FormKeyDown(AppKey::W, h.PixelOf(28, 3));
    EXPECT_EQ(h.Field().GetCount(cellPaddleSlash), 0);
}

TEST(AppGameRules, AGameWithNoFrontEndPlaysAndForgetsEachTicksDirtyCells) {
    AppRandom random(3);
    AppGame game(random);
    game.CreateField();
    game.SetState(stSetup);
    game.SetState(stPlaying);
    game.FormMouseDown(AppMouseButton::Left);
    for (int tick = 0; tick < 200 && game.State() == stPlaying; ++tick) {
        game.Step();
        ASSERT_EQ(game.Field().GetDirtyCount(), 0) << "tick " << tick;
    }
    EXPECT_FALSE(game.ball.IsStanding());
}

} // namespace
