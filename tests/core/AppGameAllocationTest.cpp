// A running game allocates nothing: every tick, key press, sweeper and phase clear reuses storage.
#include "GameHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

namespace {
// Counted by the replaced global operator new below; only this executable sees it.
long long allocations = 0;
} // namespace

// Kept out of line, all three: inlined where memory is taken or given back, the
// malloc and free would look to GCC like a mismatch with operator new and delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}

[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

TEST(AppGameAllocation, PlayingAllocatesNothing) {
    // Few paddles and sweepers on: phases clear and sweepers fire often.
    GameHarness h(AppPlayOptions(32, 32, 2, 1, 8, 160, true));
    h.view.recording = false;
    h.NewGame();
    AppRandom driver(7);
    int ticks = 0;
    int games = 0;
    int phasesCleared = 0;
    int sweepersFired = 0;
    int keys = 0;

    const long long start = allocations;
    while (ticks < 50000) {
        if (h.game.State() != stPlaying) {
            h.game.SetState(stPlaying);
            ++games;
        }
        if (h.game.ball.IsStanding())
            h.game.FormMouseDown(AppMouseButton::Left);
        const AppPoint pixel{driver.Below(32 * 18), driver.Below(32 * 18)};
        if (driver.Below(40) == 0) {
            h.game.FormKeyDown(driver.Below(2) == 0 ? AppKey::W : AppKey::Left, pixel);
            ++keys;
        }
        if (const std::optional<AppPoint> cell = h.SteeringCell())
            h.game.FormKeyDown(AppKey::R, h.PixelOf(cell->x, cell->y));
        const int phase = h.game.Phase();
        const int sweepers = h.Field().GetCount(cellSweeper);
        h.game.Step();
        phasesCleared += h.game.Phase() > phase;
        sweepersFired += h.Field().GetCount(cellSweeper) < sweepers && h.game.Phase() == phase;
        ++ticks;
    }
    const long long made = allocations - start;

    EXPECT_EQ(made, 0);
    EXPECT_GT(games, 10);
    EXPECT_GT(phasesCleared, 50);
    EXPECT_GT(sweepersFired, 10);
    EXPECT_GT(keys, 200);
}

TEST(AppGameAllocation, CounterSeesAllocations) {
    const long long start = allocations;
    auto text = std::make_unique<std::string>(100, 'x');
    EXPECT_GT(allocations - start, 0);
    EXPECT_EQ(text->size(), 100u);
}

} // namespace
