// Paints the field, the title screen and the game-over overlay into the off-screen picture,
// and the pause screen that covers it.
#pragma once

#include "AppGamePicture.h"
#include "AppSprites.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class AppGame;
class AppRandom;
class QPainter;

class AppRenderer : public AppGamePicture {
public:
    // Copies this rectangle of the back buffer to the window.
    using ShowRect = std::function<void(const QRect&)>;
    // Sizes the window's client area to the back buffer.
    using SizeClient = std::function<void(const QSize&)>;

    // The game and the random source belong to the owner and outlive the renderer.
    AppRenderer(AppGame& game, AppRandom& random, QString titleText, ShowRect showRect,
                SizeClient sizeClient = {});

    // FieldRect and the back buffer sized from the game's play and view
    // options, then the client area to them.
    void ResizeBackBuffer() override;
    // Repaints every position of the field's dirty list, copying each cell to
    // the window when showNow is set, then empties the list.
    void PaintCells(bool showNow) override;
    void PaintTitle(bool showNow) override;
    // Overlays the game-over text on the current picture.
    void PaintGameOver(bool showNow) override;
    // Shows the whole back buffer.
    void FormPaint() override;

    // While paused the window shows a plain screen in the title's style instead of the
    // field, so a pause cannot be used to plan. The back buffer stays as it is, and
    // showing it again brings the field back exactly as it was.
    void ShowPaused(bool paused);
    bool Paused() const { return paused_; }

    const QImage& BackBuffer() const { return backBuffer_; }
    // What the window shows: the back buffer, or the pause screen while paused.
    const QImage& Picture() const { return paused_ ? pauseScreen_ : backBuffer_; }
    QRect FieldRect() const { return fieldRect_; }

    // Tile index drawn for a cell code, or -1 for none. The ball uses up one
    // number of the shared random source: closed eyes one time in 24.
    int SpriteForCell(int code);

    static constexpr QRgb evenColor = qRgb(64, 0, 255);
    static constexpr QRgb oddColor = qRgb(128, 128, 255);
    static constexpr QRgb outlineColor = qRgb(0, 0, 128);
    static constexpr QRgb textColor = qRgb(255, 255, 255);
    static constexpr int textCellHeight = 24;
    static constexpr int hintCellHeight = 16;

private:
    // Paints one cell and returns its rectangle.
    QRect PaintCell(QPainter& painter, int x, int y, int offsetX, int offsetY);
    void DrawText(QPainter& painter, int x, int y, const QString& text);
    void PaintPauseScreen();
    // Each font is made when first drawn with: opening the window needs only the title's.
    const QFont& TitleFont();
    const QFont& GameOverFont();
    const QFont& HintFont();

    AppGame& game_;
    AppRandom& random_;
    QString titleText_;
    ShowRect showRect_;
    SizeClient sizeClient_;
    AppSprites sprites_;
    std::optional<QFont> titleFont_;
    std::optional<QFont> gameOverFont_;
    std::optional<QFont> hintFont_;
    QImage backBuffer_;
    QImage pauseScreen_;
    bool paused_ = false;
    QRect fieldRect_;
};
