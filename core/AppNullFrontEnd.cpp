// Draws and plays nothing: the front end of a game run without a window or sound.
#include "AppNullFrontEnd.h"

#include "AppGame.h"

void AppNullFrontEnd::PaintCells(bool) {
    // Nothing is drawn, but the ball's twinkle draws its numbers as in a window, so a game
    // played here takes the same course as one on screen.
    AppField& field = game_.Field();
    for (int i = 0; i < field.GetDirtyCount(); ++i) {
        const AppPoint position = field.GetDirty(i);
        game_.SpriteAt(position.x, position.y);
    }
    field.ClearDirty();
}
