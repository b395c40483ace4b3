// Thousands of seeded games of random play, checking field and rules after every tick and key.
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

// The dirty list holds each position once, and exactly the listed positions are flagged.
bool DirtyListConsistent(const AppField& field) {
    const int width = field.Width();
    const int height = field.Height();
    std::array<bool, 32 * 32> seen{};
    const int count = field.GetDirtyCount();
    if (count < 0 || count > width * height) {
        ADD_FAILURE() << "dirty count " << count;
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const AppPoint p = field.GetDirty(i);
        if (p.x < 0 || p.x >= width || p.y < 0 || p.y >= height) {
            ADD_FAILURE() << "dirty entry off the field at " << p.x << "," << p.y;
            return false;
        }
        bool& once = seen[static_cast<std::size_t>(p.x * height + p.y)];
        if (once || !field.IsListed(p.x, p.y)) {
            ADD_FAILURE() << "dirty entry " << p.x << "," << p.y << " repeated or unflagged";
            return false;
        }
        once = true;
    }
    int flagged = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            flagged += field.IsListed(x, y);
    if (flagged != count) {
        ADD_FAILURE() << flagged << " positions flagged, " << count << " listed";
        return false;
    }
    return true;
}

// Counters equal a recount; the ball is alone on its layer, where the game keeps it.
bool FieldConsistent(const AppGame& game) {
    const AppField& field = game.Field();
    std::array<int, appCellCodeCount> counts{};
    int balls = 0;
    for (int x = 0; x < field.Width(); ++x) {
        for (int y = 0; y < field.Height(); ++y) {
            const int ground = field.GetCell(x, y, layerGround);
            const int top = field.GetCell(x, y, layerBall);
            if (ground < 0 || ground >= appCellCodeCount || ground == cellBall ||
                (top != cellEmpty && top != cellBall)) {
                ADD_FAILURE() << "codes " << ground << "/" << top << " at " << x << "," << y;
                return false;
            }
            ++counts[static_cast<std::size_t>(ground)];
            ++counts[static_cast<std::size_t>(top)];
            if (top == cellBall && (x != game.ball.x || y != game.ball.y)) {
                ADD_FAILURE() << "ball drawn at " << x << "," << y << ", held at " << game.ball.x
                              << "," << game.ball.y;
                return false;
            }
            balls += top == cellBall;
        }
    }
    for (int code = 1; code < appCellCodeCount; ++code) {
        if (counts[static_cast<std::size_t>(code)] != field.GetCount(code)) {
            ADD_FAILURE() << "count of " << code << " is " << field.GetCount(code) << ", recount "
                          << counts[static_cast<std::size_t>(code)];
            return false;
        }
    }
    const bool inGame = game.State() == stPlaying || game.State() == stGameOver;
    if (balls != (inGame ? 1 : 0)) {
        ADD_FAILURE() << balls << " balls in state " << int(game.State());
        return false;
    }
    const int dx = game.ball.dx;
    const int dy = game.ball.dy;
    if (!(dx == 0 && dy == 0) && !(dx * dx + dy * dy == 1)) {
        ADD_FAILURE() << "direction " << dx << "," << dy;
        return false;
    }
    return DirtyListConsistent(field);
}

// Whether this key press shoves an obstacle onto the ball.
bool ShovesOntoBall(GameHarness& h, int key, std::optional<AppPoint> pixel) {
    const AppGame& game = h.game;
    if (game.State() != stPlaying || game.ball.IsStanding() || !pixel || pixel->x < 0 ||
        pixel->y < 0)
        return false;
    const int step = (key == AppKey::S || key == AppKey::J || key == AppKey::Left)    ? -1
                     : (key == AppKey::F || key == AppKey::L || key == AppKey::Right) ? 1
                                                                                      : 0;
    const int x = pixel->x / game.ViewOptions().CharWidth;
    const int y = pixel->y / game.ViewOptions().CharHeight;
    const AppField& field = h.Field();
    return step != 0 && x < field.Width() && y < field.Height() &&
           field.IsCell(x, y, layerGround, cellObstacle) && x + step == game.ball.x &&
           y == game.ball.y;
}

struct Tally {
    int gamesOver = 0;
    int phasesCleared = 0;
    int sweepersFired = 0;
    int shovesOntoBall = 0;
};

// One tick, checked against what the ball's next cell held before it.
bool CheckedStep(GameHarness& h, Tally& tally) {
    AppGame& game = h.game;
    AppField& field = h.Field();
    const bool moving = game.State() == stPlaying && !game.ball.IsStanding();
    const int nx = (game.ball.x + game.ball.dx + field.Width()) % field.Width();
    const int ny = (game.ball.y + game.ball.dy + field.Height()) % field.Height();
    const int ahead = field.GetCell(nx, ny, layerGround);
    const AppPlayer before = game.ball;
    const int score = game.Score();
    const int phase = game.Phase();

    game.Step();
    if (!FieldConsistent(game))
        return false;
    if (!moving)
        return game.ball.x == before.x && game.ball.y == before.y && game.Score() == score;

    const bool over = game.State() == stGameOver;
    if (over != (ahead == cellObstacle)) {
        ADD_FAILURE() << "game over " << over << " with " << ahead << " ahead";
        return false;
    }
    if (over) {
        ++tally.gamesOver;
        return game.ball.x == before.x && game.ball.y == before.y;
    }
    const bool bounced = ahead == cellPaddleBack || ahead == cellPaddleSlash;
    tally.sweepersFired += ahead == cellSweeper;
    tally.phasesCleared += game.Phase() - phase;
    const int fresh = field.GetCount(cellPaddleBack) + field.GetCount(cellPaddleSlash);
    if (game.ball.x != nx || game.ball.y != ny || game.Score() - score != (bounced ? 1 : 0) ||
        (game.Phase() != phase && game.Phase() != phase + 1) ||
        (game.Phase() == phase && fresh == 0) ||
        (field.IsCell(nx, ny, layerGround, cellObstacle) && ahead != cellSweeper)) {
        ADD_FAILURE() << "tick into " << ahead << " at " << nx << "," << ny << ": ball "
                      << game.ball.x << "," << game.ball.y << ", score " << score << "->"
                      << game.Score() << ", phase " << phase << "->" << game.Phase();
        return false;
    }
    return true;
}

bool CheckedKeyAt(GameHarness& h, int key, std::optional<AppPoint> pixel, Tally& tally);

// A random key, mostly at a random pixel on or around the field.
bool CheckedKey(GameHarness& h, AppRandom& driver, Tally& tally) {
    static constexpr int keys[] = {AppKey::W, AppKey::U,    AppKey::R, AppKey::O, AppKey::S,
                                   AppKey::J, AppKey::Left, AppKey::F, AppKey::L, AppKey::Right,
                                   65,        38,           0};
    const AppViewOptions& view = h.game.ViewOptions();
    const int key = keys[driver.Below(13)];
    std::optional<AppPoint> pixel;
    const int aim = driver.Below(8);
    if (aim == 0) {
        // Beside the ball, where a shove can end the game.
        const int side = driver.Below(2) == 0 ? -1 : 1;
        pixel = AppPoint{(h.game.ball.x + side) * view.CharWidth + driver.Below(view.CharWidth),
                         h.game.ball.y * view.CharHeight + driver.Below(view.CharHeight)};
        if (h.game.ball.x + side >= 0 && h.game.ball.x + side < h.Field().Width() &&
            driver.Below(2) == 0)
            h.Put(h.game.ball.x + side, h.game.ball.y, cellObstacle);
    } else if (aim != 1) {
        // Anywhere on the field and a margin around it.
        pixel = AppPoint{driver.Below(h.Field().Width() * view.CharWidth + 80) - 40,
                         driver.Below(h.Field().Height() * view.CharHeight + 80) - 40};
    }
    return CheckedKeyAt(h, key, pixel, tally);
}

bool CheckedKeyAt(GameHarness& h, int key, std::optional<AppPoint> pixel, Tally& tally) {
    const bool expectOver = ShovesOntoBall(h, key, pixel);
    const AppState stateBefore = h.game.State();
    h.game.FormKeyDown(key, pixel);
    if (!FieldConsistent(h.game))
        return false;
    const bool over = stateBefore == stPlaying && h.game.State() == stGameOver;
    if (over != expectOver) {
        ADD_FAILURE() << "key " << key << " ended the game: " << over;
        return false;
    }
    tally.shovesOntoBall += over;
    tally.gamesOver += over;
    return true;
}

// Random options with paddle quotas up to mostPaddles, then a new set-up.
void ChangeOptions(GameHarness& h, AppRandom& driver, int mostPaddles) {
    h.game.SetPlayOptions(AppPlayOptions(16 + driver.Below(17), 16 + driver.Below(17),
                                         1 + driver.Below(mostPaddles), driver.Below(2),
                                         1 + driver.Below(mostPaddles), 160, driver.Below(2) == 0));
    h.game.SetViewOptions(AppViewOptions(18 + driver.Below(15), 18 + driver.Below(15)));
    h.game.SetState(stSetup);
}

TEST(AppGameSoak, RandomPlayKeepsFieldCountsDirtyListBallAndGameOverReasonsConsistent) {
    AppRandom driver(20240601); // the test's own choices, apart from the game's source
    GameHarness h;
    h.view.recording = false;
    bool paintedListsOk = true;
    h.view.beforeClear = [&](const AppField& field) {
        if (paintedListsOk)
            paintedListsOk = DirtyListConsistent(field);
    };

    Tally tally;
    constexpr int games = 2000;
    for (int gameNo = 0; gameNo < games; ++gameNo) {
        h.random.Seed(static_cast<std::uint64_t>(gameNo) + 1);
        // Half the games have a steering player who turns the ball toward the
        // fresh paddles, with few paddles dealt so that phases clear; the
        // others press random keys.
        const bool steered = driver.Below(2) == 0;
        if (steered)
            ChangeOptions(h, driver, 1 + driver.Below(4));
        else if (driver.Below(10) == 0)
            ChangeOptions(h, driver, 1024);
        if (h.game.State() == stTitle && driver.Below(2) == 0)
            h.game.FormMouseDown(AppMouseButton::Left);
        else
            h.game.SetState(stPlaying);
        ASSERT_TRUE(FieldConsistent(h.game)) << "new game " << gameNo;

        const int keyChance = steered ? 25 : 1 + 12 * driver.Below(2);
        for (int tick = 0; tick < 5000 && h.game.State() == stPlaying; ++tick) {
            if (driver.Below(h.game.ball.IsStanding() ? 6 : 60) == 0) {
                const int button = driver.Below(4);
                h.game.FormMouseDown(button == 0 ? AppMouseButton::Right : AppMouseButton::Left);
            }
            const bool keyed = keyChance < 25 && driver.Below(keyChance) == 0;
            for (int presses = keyed ? 1 + driver.Below(2) : 0;
                 presses > 0 && h.game.State() == stPlaying; --presses) {
                ASSERT_TRUE(CheckedKey(h, driver, tally)) << "game " << gameNo << " tick " << tick;
            }
            if (steered && h.game.State() == stPlaying) {
                if (const std::optional<AppPoint> cell = h.SteeringCell()) {
                    ASSERT_TRUE(CheckedKeyAt(h, AppKey::W, h.PixelOf(cell->x, cell->y), tally));
                }
            }
            if (h.game.State() == stPlaying) {
                ASSERT_TRUE(CheckedStep(h, tally)) << "game " << gameNo << " tick " << tick;
            }
            ASSERT_TRUE(paintedListsOk) << "game " << gameNo << " tick " << tick;
        }
    }
    // The run must have met what it checks.
    EXPECT_GT(tally.gamesOver, games / 2);
    EXPECT_GT(tally.phasesCleared, 100);
    EXPECT_GT(tally.sweepersFired, 100);
    EXPECT_GT(tally.shovesOntoBall, 10);
}

} // namespace
