// Speed of painting one game tick, a whole field, the title and the game-over overlay.
#include "AppCell.h"
#include "AppGame.h"
#include "AppRenderer.h"

#include <benchmark/benchmark.h>

namespace {

// The largest field the options allow: 32 x 32 cells of 32 x 32 pixels, a game running.
struct BenchGame {
    BenchGame()
        : random(5), game(random),
          renderer(game, random, QStringLiteral("Zingaroo"), [](const QRect&) {}) {
        game.SetPicture(renderer);
        game.CreateField();
        game.SetPlayOptions(AppPlayOptions(32, 32, 60, 6, 60, 160, true));
        game.SetViewOptions(AppViewOptions(32, 32));
        game.SetState(stSetup);
        game.SetState(stPlaying);
    }

    // Lists every position again without changing what it shows.
    void ListEveryPosition() {
        AppField& field = game.Field();
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                field.SetCell(x, y, layerGround, field.GetCell(x, y, layerGround));
    }

    AppRandom random;
    AppGame game;
    AppRenderer renderer;
};

void BM_PaintCellsTick(benchmark::State& state) {
    BenchGame bench;
    AppField& field = bench.game.Field();
    const int bx = bench.game.ball.x;
    const int by = bench.game.ball.y;
    for (auto _ : state) {
        // The ball leaves one cell for the next, and the player drops a paddle.
        field.SetCell(bx, by, layerBall, cellBall);
        field.SetCell(bx + 1, by, layerBall, cellEmpty);
        field.SetCell(bx + 3, by + 2, layerGround, cellPaddleSlash);
        bench.renderer.PaintCells(true);
    }
}
BENCHMARK(BM_PaintCellsTick);

void BM_PaintCellsFullField(benchmark::State& state) {
    BenchGame bench;
    if (state.range(0) != 0) {
        // Worst case: a tile in every cell.
        AppField& field = bench.game.Field();
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                field.SetCell(x, y, layerGround, cellPaddleBack + (x + y) % 5);
    }
    for (auto _ : state) {
        state.PauseTiming();
        bench.ListEveryPosition();
        state.ResumeTiming();
        bench.renderer.PaintCells(false);
    }
}
BENCHMARK(BM_PaintCellsFullField)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintTitle(benchmark::State& state) {
    BenchGame bench;
    for (auto _ : state)
        bench.renderer.PaintTitle(true);
}
BENCHMARK(BM_PaintTitle)->Unit(benchmark::kMicrosecond);

void BM_PaintGameOver(benchmark::State& state) {
    BenchGame bench;
    for (auto _ : state)
        bench.renderer.PaintGameOver(true);
}
BENCHMARK(BM_PaintGameOver)->Unit(benchmark::kMicrosecond);

} // namespace
