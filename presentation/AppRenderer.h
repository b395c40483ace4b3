// Paints the field, the title screen and the game-over overlay into the off-screen picture,
// and the pause screen that covers it.
#pragma once

#include "AppGamePicture.h"
#include "AppLook.h"
#include "AppLookKind.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <span>

class AppGame;
class QPainter;

class AppRenderer : public AppGamePicture {
public:
    // Copies this rectangle of the back buffer to the window.
    using ShowRect = std::function<void(const QRect&)>;
    // Sizes the window's client area to the back buffer.
    using SizeClient = std::function<void(const QSize&)>;
    // Whether the game shown is paused, as its owner holds it.
    using PausedQuery = std::function<bool()>;

    // The game belongs to the owner and outlives the renderer; the ball's twinkle draws from
    // the game's random source through the game (AppGame::SpriteAt).
    AppRenderer(AppGame& game, PausedQuery paused, QString titleText, ShowRect showRect,
                SizeClient sizeClient = {});

    // FieldRect and the back buffer sized from the game's play and view
    // options, then the client area to them.
    void ResizeBackBuffer() override;
    // Repaints every position of the field's dirty list, copying each cell to
    // the window when showNow is set, then empties the list.
    void PaintCells(bool showNow) override;
    // Repaints every cell as it was last shown, the ball with the tile it last had, without
    // drawing a number: for a game restored from disk, whose field was never painted here.
    void RepaintField(bool showNow) override;
    void PaintTitle(bool showNow) override;
    // Overlays the game-over text on the current picture.
    void PaintGameOver(bool showNow) override;
    // Shows the whole back buffer.
    void FormPaint() override;

    // While paused the window shows a plain screen in the title's style instead of the
    // field, so a pause cannot be used to plan. The back buffer stays as it is, and
    // showing it again brings the field back exactly as it was. Called when the pause began
    // or ended.
    void PauseChanged();

    // Paints every picture from now on in the look of that kind, and at once repaints what
    // the window shows in it. The ball keeps the tile it showed last, so the repaint draws
    // no number and a game in play keeps its sequence.
    void SetLook(AppLookKind kind);
    AppLookKind Look() const { return look_->Kind(); }

    const QImage& BackBuffer() const { return backBuffer_; }
    // What the window shows: the back buffer, or the pause screen while paused.
    const QImage& Picture() const { return paused_() ? pauseScreen_ : backBuffer_; }
    QRect FieldRect() const { return fieldRect_; }

    // The classic look's colours.
    static constexpr QRgb evenColor = AppLook::classicColors.even;
    static constexpr QRgb oddColor = AppLook::classicColors.odd;
    static constexpr QRgb outlineColor = AppLook::classicColors.outline;
    static constexpr QRgb textColor = AppLook::classicColors.text;
    static constexpr int textCellHeight = 24;
    static constexpr int hintCellHeight = 16;

    // One line of a centred block of text, and one pass of drawing it, shifted by (dx, dy).
    struct TextLine {
        QString text;
        QFont font;
    };
    struct TextPass {
        int dx;
        int dy;
        QRgb color;
    };

private:
    // Paints one cell with the tile given (-1 for none) and returns its rectangle.
    QRect PaintCell(QPainter& painter, int x, int y, int sprite);
    void DrawText(QPainter& painter, int x, int y, const QString& text);
    // The title, game-over and pause screens' text: `lines` as one block centred on the
    // field, each drawn with every pass.
    void DrawCentredLines(QPainter& painter, std::span<const TextLine> lines,
                          std::span<const TextPass> passes);
    void PaintPauseScreen();
    // Each font is made when first drawn with: opening the window needs only the title's.
    const QFont& TitleFont();
    const QFont& GameOverFont();
    const QFont& HintFont();

    AppGame& game_;
    QString titleText_;
    ShowRect showRect_;
    SizeClient sizeClient_;
    const AppLook* look_;
    std::optional<QFont> titleFont_;
    std::optional<QFont> gameOverFont_;
    std::optional<QFont> hintFont_;
    QImage backBuffer_;
    QImage pauseScreen_;
    PausedQuery paused_;
    QRect fieldRect_;
};
