// The game itself: state, ball, counters, live play and view options, rules and input decisions.
#include "AppGame.h"

#include "AppCell.h"
#include "AppOptionFields.h"

#include <cstdint>

AppGame::AppGame(AppRandom& random) : random_(random) {}

AppGame::~AppGame() = default;

void AppGame::CreateField() {
    field_ = std::make_unique<AppField>();
}

void AppGame::DestroyField() {
    field_.reset();
}

void AppGame::SetPlayOptions(const AppPlayOptions& options) {
    playOptions_ = ClampOptions(options);
}

void AppGame::SetViewOptions(const AppViewOptions& options) {
    viewOptions_ = ClampOptions(options);
}

void AppGame::SetScore(std::int32_t newScore, std::int32_t newPhase) {
    score = newScore;
    phase = newPhase;
}

void AppGame::SetRecord(std::int32_t newScore, std::int32_t newPhase) {
    recordScore = newScore;
    recordPhase = newPhase;
}

void AppGame::SetState(AppState state) {
    state_ = state;
    switch (state) {
    case stSetup:
        picture_->ResizeBackBuffer();
        field_->Resize(playOptions_.Width, playOptions_.Height, 2);
        SetState(stTitle);
        break;
    case stTitle:
        phase = 0;
        score = 0;
        picture_->PaintTitle(true);
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
    picture_->PaintCells(false);
    picture_->FormPaint();
    sound_->Play(soundStart);
}

void AppGame::EnterGameOver() {
    // Score and phase are records of their own, each raised on its own.
    if (score > recordScore)
        recordScore = score;
    if (phase > recordPhase)
        recordPhase = phase;
    picture_->PaintGameOver(true);
    if (gameOverWatch_)
        gameOverWatch_();
}

void AppGame::Step() {
    if (state_ != stPlaying)
        return;
    if (ball.IsStanding()) {
        // Relisting the ball's cell lets the renderer make the waiting ball twinkle.
        field_->SetCell(ball.x, ball.y, layerBall, cellBall);
        picture_->PaintCells(true);
        return;
    }
    const AppPoint next = NextBallCell();
    if (field_->IsCell(next.x, next.y, layerGround, cellObstacle)) {
        SetState(stGameOver);
        return;
    }
    if (field_->IsCell(next.x, next.y, layerGround, cellSweeper)) {
        field_->ReplaceAll(cellPaddleUsed, cellEmpty);
        field_->SetCell(next.x, next.y, layerGround, cellObstacle);
    }
    if (next.x != ball.x + ball.dx || next.y != ball.y + ball.dy)
        PutElsewhere(next, cellObstacle);
    EnterGround(next);
    MoveBall(next);
    if (field_->GetCount(cellPaddleBack) + field_->GetCount(cellPaddleSlash) == 0)
        ClearPhase();
    picture_->PaintCells(true);
}

AppPoint AppGame::NextBallCell() const {
    const int width = field_->Width();
    const int height = field_->Height();
    return {(ball.x + ball.dx + width) % width, (ball.y + ball.dy + height) % height};
}

void AppGame::EnterGround(AppPoint cell) {
    switch (field_->GetCell(cell.x, cell.y, layerGround)) {
    case cellPaddleBack:
        Bounce(cell, 1);
        break;
    case cellPaddleSlash:
        Bounce(cell, -1);
        break;
    case cellPaddleUsed:
        field_->SetCell(cell.x, cell.y, layerGround, cellEmpty);
        PutElsewhere(cell, RandomPaddle());
        break;
    default:
        break;
    }
}

void AppGame::Bounce(AppPoint cell, int turn) {
    // A back paddle swaps the steps across and down; a slash paddle also
    // reverses both.
    const int oldDx = ball.dx;
    ball.dx = turn * ball.dy;
    ball.dy = turn * oldDx;
    field_->SetCell(cell.x, cell.y, layerGround, cellPaddleUsed);
    ++score;
    sound_->Play(soundBounce);
}

void AppGame::PutElsewhere(AppPoint cell, int code) {
    // Off the cell's row and column, so never on the ball's line of travel.
    const int row = RandomOtherRow(cell.y);
    const int column = RandomOtherColumn(cell.x);
    field_->SetCell(column, row, layerGround, code);
}

void AppGame::MoveBall(AppPoint cell) {
    field_->SetCell(ball.x, ball.y, layerBall, cellEmpty);
    ball.x = cell.x;
    ball.y = cell.y;
    field_->SetCell(ball.x, ball.y, layerBall, cellBall);
}

void AppGame::ClearPhase() {
    ++phase;
    // The obstacles of the cleared phase add to the next layout's paddles.
    paddleQuota = paddleQuota + field_->GetCount(cellObstacle) + playOptions_.PaddlePlus;
    if (playOptions_.PaddleMax < paddleQuota)
        paddleQuota = playOptions_.PaddleMax;
    if (playOptions_.UseSweeper)
        ++sweeperQuota;
    LayOutPhase();
    sound_->Play(soundClear);
}

int AppGame::RandomPaddle() {
    return random_.Below(2) == 0 ? cellPaddleBack : cellPaddleSlash;
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
        const int kind = RandomPaddle();
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

AppKeyPosition AppGame::PositionOfKey(int keyCode) {
    switch (keyCode) {
    case AppKey::W:
    case AppKey::U:
        return AppKeyPosition::slash;
    case AppKey::R:
    case AppKey::O:
        return AppKeyPosition::back;
    case AppKey::S:
    case AppKey::J:
    case AppKey::Left:
        return AppKeyPosition::backOrShoveLeft;
    case AppKey::F:
    case AppKey::L:
    case AppKey::Right:
        return AppKeyPosition::slashOrShoveRight;
    default:
        return AppKeyPosition::none;
    }
}

void AppGame::FormKeyDown(int keyCode, std::optional<AppPoint> clientPixel) {
    if (clientPixel)
        KeyAtCell(PositionOfKey(keyCode), PixelToCell(*clientPixel));
}

bool AppGame::KeyAtCell(AppKeyPosition position, AppPoint cell) {
    if (state_ != stPlaying || ball.IsStanding() || position == AppKeyPosition::none)
        return false;
    AppField& field = *field_;
    if (cell.x < 0 || cell.x >= field.Width() || cell.y < 0 || cell.y >= field.Height())
        return false;

    if (field.IsCell(cell.x, cell.y, layerGround, cellObstacle)) {
        if (position == AppKeyPosition::backOrShoveLeft)
            ShoveObstacle(cell.x, cell.y, cell.x - 1);
        else if (position == AppKeyPosition::slashOrShoveRight)
            ShoveObstacle(cell.x, cell.y, cell.x + 1);
        return true;
    }
    const bool back =
        position == AppKeyPosition::back || position == AppKeyPosition::backOrShoveLeft;
    const int code = back ? cellPaddleBack : cellPaddleSlash;
    field.SetCell(cell.x, cell.y, layerGround, code);
    picture_->PaintCells(true);
    return true;
}

void AppGame::ShoveObstacle(int x, int y, int toX) {
    AppField& field = *field_;
    if (toX < 0 || toX >= field.Width()) {
        // Obstacles do not wrap: pushed over the edge, one is gone.
        field.SetCell(x, y, layerGround, cellEmpty);
        picture_->PaintCells(true);
        return;
    }
    if (field.IsCell(toX, y, layerBall, cellBall)) {
        SetState(stGameOver);
        return;
    }
    field.SetCell(x, y, layerGround, cellEmpty);
    field.SetCell(toX, y, layerGround, cellObstacle);
    picture_->PaintCells(true);
}

AppPoint AppGame::PixelToCell(AppPoint pixel) const {
    // Adding one cell before dividing makes every negative pixel a negative
    // index, since the division truncates toward zero. The sum is taken wide
    // so that a pointer far off the window cannot overflow it.
    const std::int64_t w = viewOptions_.CharWidth;
    const std::int64_t h = viewOptions_.CharHeight;
    return {static_cast<int>((pixel.x + w) / w - 1), static_cast<int>((pixel.y + h) / h - 1)};
}

int AppGame::SpriteAt(int x, int y) {
    for (const int layer : {int(layerGround), int(layerBall)})
        if (field_->IsCell(x, y, layer, cellBall))
            ballSprite_ = random_.Next() % 24 == 0 ? ballBlinkingSprite : ballSprite;
    return ShownSpriteAt(x, y);
}

int AppGame::ShownSpriteAt(int x, int y) const {
    // Ground first, then the ball: the ball hides whatever it stands on. A code without
    // a tile leaves the choice as it was.
    int sprite = -1;
    for (const int layer : {int(layerGround), int(layerBall)}) {
        const int code = field_->GetCell(x, y, layer);
        if (code != cellEmpty && ShownSprite(code) >= 0)
            sprite = ShownSprite(code);
    }
    return sprite;
}

int AppGame::ShownSprite(int code) const {
    switch (code) {
    case cellBall:
        return ballSprite_;
    case cellPaddleBack:
        return 1;
    case cellPaddleSlash:
        return 2;
    case cellPaddleUsed:
        return 3;
    case cellObstacle:
        return 4;
    case cellSweeper:
        return 5;
    default:
        return -1;
    }
}
