// Speed of the game step, the phase layout and a full-field replace.
#include "AppCell.h"
#include "AppGame.h"

#include <benchmark/benchmark.h>

namespace {

// A game with nothing drawn and nothing played.
struct BenchGame {
    explicit BenchGame(const AppPlayOptions& options) : random(1), game(random) {
        game.CreateField();
        game.SetPlayOptions(options);
        game.SetState(stSetup);
    }

    // A new game with the ball launched.
    void Launch() {
        game.SetState(stPlaying);
        game.FormMouseDown(AppMouseButton::Left);
    }

    AppRandom random;
    AppGame game;
};

void BM_Step(benchmark::State& state) {
    BenchGame b(AppPlayOptions(32, 32, 6, 6, 60, 160, true));
    b.Launch();
    for (auto _ : state) {
        if (b.game.State() != stPlaying) {
            // Setting up a new game is not part of a tick.
            state.PauseTiming();
            b.Launch();
            state.ResumeTiming();
        }
        b.game.Step();
    }
}
BENCHMARK(BM_Step);

void BM_LayOutPhase1024(benchmark::State& state) {
    BenchGame b(AppPlayOptions(32, 32, 1024, 0, 1024, 160, true));
    b.Launch();
    for (auto _ : state) {
        b.game.LayOutPhase();
        b.game.Field().ClearDirty();
    }
}
BENCHMARK(BM_LayOutPhase1024);

void BM_ReplaceAllFullField(benchmark::State& state) {
    AppField field;
    field.Allocate(32, 32, 2);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            for (int layer = 0; layer < 2; ++layer)
                field.SetCell(x, y, layer, cellPaddleUsed);
    field.ClearDirty();
    int from = cellPaddleUsed;
    int to = cellEmpty;
    for (auto _ : state) {
        field.ReplaceAll(from, to);
        field.ClearDirty();
        std::swap(from, to);
    }
}
BENCHMARK(BM_ReplaceAllFullField);

} // namespace
