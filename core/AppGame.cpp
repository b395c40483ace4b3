// The game itself: state, ball, counters, live play and view options, rules and input decisions.
#include "AppGame.h"

#include "AppCell.h"
#include "AppOptionLimits.h"

#include <cstdint>

AppGame::AppGame(AppRandom& random, AppGameView& view) : random_(random), view_(view) {}

AppGame::~AppGame() = default;

void AppGame::CreateField() {
    field_ = std::make_unique<AppField>();
}

void AppGame::DestroyField() {
    field_.reset();
}

void AppGame::SetPlayOptions(const AppPlayOptions& options) {
    playOptions_ = ClampPlayOptions(options);
}

void AppGame::SetViewOptions(const AppViewOptions& options) {
    viewOptions_ = ClampViewOptions(options);
}

void AppGame::SetState(AppState state) {
    state_ = state;
    switch (state) {
    case stSetup:
        view_.ResizeBackBuffer();
        field_->Resize(playOptions_.Width, playOptions_.Height, 2);
        SetState(stTitle);
        break;
    case stTitle:
        phase = 0;
        score = 0;
        view_.PaintTitle(true);
        break;
    case stPlaying:
        EnterPlaying();
        break;
    case stGameOver:
        EnterGameOver();
        break;
    case stNone:
    case stClosing:
        break;
    }
}

void AppGame::EnterPlaying() {
    field_->ClearAll();
    ball = AppPlayer();
    ball.x = field_->Width() / 2;
    ball.y = field_->Height() / 2;
    field_->SetCell(ball.x, ball.y, layerBall, cellBall);
    score = 0;
    phase = 1;
    paddleQuota = playOptions_.PaddleFirst;
    sweeperQuota = playOptions_.UseSweeper ? 1 : 0;
    LayOutPhase();
    view_.PaintCells(false);
    view_.FormPaint();
    view_.Play(soundStart);
}

void AppGame::EnterGameOver() {
    // Score and phase are records of their own, each raised on its own.
    if (score > recordScore)
        recordScore = score;
    if (phase > recordPhase)
        recordPhase = phase;
    view_.PaintGameOver(true);
}

void AppGame::Step() {
    if (state_ != stPlaying)
        return;
    AppField& field = *field_;
    if (ball.IsStanding()) {
        // Relisting the ball's cell lets the renderer make the waiting ball twinkle.
        field.SetCell(ball.x, ball.y, layerBall, cellBall);
        view_.PaintCells(true);
        return;
    }

    const int width = field.Width();
    const int height = field.Height();
    const int nx = (ball.x + ball.dx + width) % width;
    const int ny = (ball.y + ball.dy + height) % height;

    if (field.IsCell(nx, ny, layerGround, cellObstacle)) {
        SetState(stGameOver);
        return;
    }
    if (field.IsCell(nx, ny, layerGround, cellSweeper)) {
        field.ReplaceAll(cellPaddleUsed, cellEmpty);
        field.SetCell(nx, ny, layerGround, cellObstacle);
    }
    if (nx != ball.x + ball.dx || ny != ball.y + ball.dy) {
        // Off the ball's new row and column, so never on its line of travel.
        const int row = RandomOtherRow(ny);
        const int column = RandomOtherColumn(nx);
        field.SetCell(column, row, layerGround, cellObstacle);
    }

    switch (field.GetCell(nx, ny, layerGround)) {
    case cellPaddleBack: {
        const int oldDx = ball.dx;
        ball.dx = ball.dy;
        ball.dy = oldDx;
        field.SetCell(nx, ny, layerGround, cellPaddleUsed);
        ++score;
        view_.Play(soundBounce);
        break;
    }
    case cellPaddleSlash: {
        const int oldDx = ball.dx;
        ball.dx = -ball.dy;
        ball.dy = -oldDx;
        field.SetCell(nx, ny, layerGround, cellPaddleUsed);
        ++score;
        view_.Play(soundBounce);
        break;
    }
    case cellPaddleUsed: {
        field.SetCell(nx, ny, layerGround, cellEmpty);
        const int kind = random_.Below(2) == 0 ? cellPaddleBack : cellPaddleSlash;
        const int row = RandomOtherRow(ny);
        const int column = RandomOtherColumn(nx);
        field.SetCell(column, row, layerGround, kind);
        break;
    }
    default:
        break;
    }

    field.SetCell(ball.x, ball.y, layerBall, cellEmpty);
    ball.x = nx;
    ball.y = ny;
    field.SetCell(ball.x, ball.y, layerBall, cellBall);

    if (field.GetCount(cellPaddleBack) + field.GetCount(cellPaddleSlash) == 0) {
        ++phase;
        // The obstacles of the cleared phase add to the next layout's paddles.
        paddleQuota = paddleQuota + field.GetCount(cellObstacle) + playOptions_.PaddlePlus;
        if (playOptions_.PaddleMax < paddleQuota)
            paddleQuota = playOptions_.PaddleMax;
        if (playOptions_.UseSweeper)
            ++sweeperQuota;
        LayOutPhase();
        view_.Play(soundClear);
    }
    view_.PaintCells(true);
}

void AppGame::LayOutPhase() {
    AppField& field = *field_;
    const int width = field.Width();
    const int height = field.Height();
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (!field.IsCell(x, y, layerGround, cellEmpty))
                field.SetCell(x, y, layerGround, cellEmpty);
    // Items take the drawn cell whatever it holds: no search, no retry.
    for (int i = 0; i < paddleQuota; ++i) {
        const int kind = random_.Below(2) == 0 ? cellPaddleBack : cellPaddleSlash;
        const int row = random_.Below(height);
        const int column = random_.Below(width);
        field.SetCell(column, row, layerGround, kind);
    }
    for (int i = 0; i < sweeperQuota; ++i) {
        const int row = random_.Below(height);
        const int column = random_.Below(width);
        field.SetCell(column, row, layerGround, cellSweeper);
    }
}

namespace {
int RandomOther(AppRandom& random, int value, int size) {
    const int n = size - 1;
    const int k = n != 0 ? random.Below(n) : 0;
    return (value + k + 1) % size;
}
} // namespace

int AppGame::RandomOtherColumn(int column) {
    return RandomOther(random_, column, field_->Width());
}

int AppGame::RandomOtherRow(int row) {
    return RandomOther(random_, row, field_->Height());
}

std::string AppGame::StateText() const {
    return AppGameTexts::Fill(texts_.stateLine,
                              {state_ == stPlaying ? texts_.playing : texts_.notPlaying});
}

std::string AppGame::ScoreText() const {
    return AppGameTexts::Fill(texts_.scoreLine, {std::to_string(score), std::to_string(phase)});
}

std::string AppGame::RecordText() const {
    return AppGameTexts::Fill(texts_.recordLine,
                              {std::to_string(recordScore), std::to_string(recordPhase)});
}

void AppGame::FormMouseDown(AppMouseButton button) {
    if (button != AppMouseButton::Left)
        return;
    if (state_ == stTitle) {
        SetState(stPlaying);
        return;
    }
    if (state_ == stPlaying && ball.IsStanding()) {
        static constexpr int launchDx[4] = {-1, 1, 0, 0};
        static constexpr int launchDy[4] = {0, 0, -1, 1};
        const int draw = random_.Below(4);
        ball.dx = launchDx[draw];
        ball.dy = launchDy[draw];
    }
}

int AppGame::KeyPosition(int keyCode) const {
    switch (keyCode) {
    case AppKey::W:
    case AppKey::U:
        return 1;
    case AppKey::R:
    case AppKey::O:
        return 2;
    case AppKey::S:
    case AppKey::J:
    case AppKey::Left:
        return 3;
    case AppKey::F:
    case AppKey::L:
    case AppKey::Right:
        return 4;
    default:
        return 0;
    }
}

void AppGame::FormKeyDown(int keyCode, std::optional<AppPoint> clientPixel) {
    if (state_ != stPlaying || ball.IsStanding())
        return;
    const int position = KeyPosition(keyCode);
    if (position == 0 || !clientPixel)
        return;
    const AppPoint cell = PixelToCell(*clientPixel);
    AppField& field = *field_;
    if (cell.x < 0 || cell.x >= field.Width() || cell.y < 0 || cell.y >= field.Height())
        return;

    if (field.IsCell(cell.x, cell.y, layerGround, cellObstacle)) {
        if (position == 3)
            ShoveObstacle(cell.x, cell.y, cell.x - 1);
        else if (position == 4)
            ShoveObstacle(cell.x, cell.y, cell.x + 1);
        return;
    }
    const int code = (position == 2 || position == 3) ? cellPaddleBack : cellPaddleSlash;
    field.SetCell(cell.x, cell.y, layerGround, code);
    view_.PaintCells(true);
}

void AppGame::ShoveObstacle(int x, int y, int toX) {
    AppField& field = *field_;
    if (toX < 0 || toX >= field.Width()) {
        // Obstacles do not wrap: pushed over the edge, one is gone.
        field.SetCell(x, y, layerGround, cellEmpty);
        view_.PaintCells(true);
        return;
    }
    if (field.IsCell(toX, y, layerBall, cellBall)) {
        SetState(stGameOver);
        return;
    }
    field.SetCell(x, y, layerGround, cellEmpty);
    field.SetCell(toX, y, layerGround, cellObstacle);
    view_.PaintCells(true);
}

AppPoint AppGame::PixelToCell(AppPoint pixel) const {
    // Adding one cell before dividing makes every negative pixel a negative
    // index, since the division truncates toward zero. The sum is taken wide
    // so that a pointer far off the window cannot overflow it.
    const std::int64_t w = viewOptions_.CharWidth;
    const std::int64_t h = viewOptions_.CharHeight;
    return {static_cast<int>((pixel.x + w) / w - 1), static_cast<int>((pixel.y + h) / h - 1)};
}
