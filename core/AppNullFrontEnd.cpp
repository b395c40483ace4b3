// Draws and plays nothing: the front end of a game run without a window or sound.
#include "AppNullFrontEnd.h"

#include "AppGame.h"

void AppNullFrontEnd::PaintCells(bool) {
    game_.Field().ClearDirty();
}
