// What the game asks of whoever draws it: the picture of the field, the title and the overlay.
#pragma once

class AppGamePicture {
public:
    virtual ~AppGamePicture() = default;

    // Size the picture and the window's client area to the options.
    virtual void ResizeBackBuffer() = 0;
    // Draw the dirty cells into the picture (and show each at once when
    // showNow is set), then empty the field's dirty list.
    virtual void PaintCells(bool showNow) = 0;
    // Draw every cell as it was last shown, the ball with the tile it last had, drawing no
    // number: for a game restored from disk, whose field was never painted.
    virtual void RepaintField(bool showNow) = 0;
    virtual void PaintTitle(bool showNow) = 0;
    virtual void PaintGameOver(bool showNow) = 0;
    // Show the whole picture.
    virtual void FormPaint() = 0;
};
