// The cursor cell the keyboard and the gamepad point with: where it stands and whether it shows.
#pragma once

#include "AppPoint.h"

// The cursor wraps with the field, as the ball does. It is hidden until a cursor input is
// used, and hidden again when the mouse takes over; its cell is kept meanwhile.
class AppCellCursor {
public:
    AppPoint Cell() const { return cell_; }
    bool Shown() const { return shown_; }

    // Puts the cursor on `cell`, shown or hidden as it was.
    void StartAt(AppPoint cell) { cell_ = cell; }
    // Moves it by (dx, dy) cells on a field of width by height cells, wrapping at the edges;
    // any number of cells at once. A field without cells leaves it where it is.
    void Move(int dx, int dy, int width, int height);
    void Show() { shown_ = true; }
    void Hide() { shown_ = false; }

private:
    AppPoint cell_;
    bool shown_ = false;
};
