// Speed of painting one game tick, a whole field, the title and the game-over overlay, and of
// the window's client area showing one tick at a zoom or filling a screen.
#include "AppCell.h"
#include "AppFieldView.h"
#include "AppGame.h"
#include "AppRenderer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The largest field the options allow: 32 x 32 cells of 32 x 32 pixels, a game running.
struct BenchGame {
    BenchGame()
        : random(5), game(random),
          renderer(
              game, [] { return false; }, QStringLiteral("Zingaroo"), [](const QRect&) {}) {
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

// The default game shown in the window's client area: at a zoom (the argument), or with 0
// filling a 1920 x 1080 screen at the largest zoom that fits.
struct ShownGame {
    explicit ShownGame(int zoom)
        : random(5), game(random), renderer(
                                       game, [] { return false; }, QStringLiteral("Zingaroo"),
                                       [this](const QRect& rect) { view->ShowRect(rect); }) {
        view = std::make_unique<AppFieldView>(
            [this]() -> const QImage& { return renderer.Picture(); }, nullptr);
        game.SetPicture(renderer);
        game.CreateField();
        game.SetState(stSetup);
        view->SetPictureSize(renderer.FieldRect().size());
        if (zoom > 0) {
            view->SetZoom(zoom);
        } else {
            view->SetFilling(true);
            view->resize(1920, 1080);
        }
        view->show();
        // Only a window on screen is painted.
        while (!view->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        game.SetState(stPlaying);
        Show();
    }

    // Paints what the area has been asked to update, as the window does when it is next drawn.
    void Show() {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(view.get(), &request);
    }

    AppRandom random;
    AppGame game;
    std::unique_ptr<AppFieldView> view;
    AppRenderer renderer;
};

// One step as the player sees it: the ball's two cells and a paddle repainted into the picture
// and shown in the window at the zoom.
void BM_ShowStep(benchmark::State& state) {
    ShownGame shown(static_cast<int>(state.range(0)));
    AppField& field = shown.game.Field();
    const int bx = shown.game.ball.x;
    const int by = shown.game.ball.y;
    for (auto _ : state) {
        field.SetCell(bx, by, layerBall, cellBall);
        field.SetCell(bx + 1, by, layerBall, cellEmpty);
        field.SetCell(bx + 3, by + 2, layerGround, cellPaddleSlash);
        shown.renderer.PaintCells(true);
        shown.Show();
    }
    state.SetLabel(state.range(0) > 0 ? "x" + std::to_string(state.range(0))
                                      : "full screen x" + std::to_string(shown.view->Scale()));
}
BENCHMARK(BM_ShowStep)->Arg(1)->Arg(4)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace
