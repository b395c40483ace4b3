// The player's scores file: where it lives, and its failures told on standard error.
#pragma once

#include "AppReplayShelf.h"
#include "AppScoreFile.h"

#include <QString>

class AppPlayerScores {
public:
    // $XDG_DATA_HOME/zingaroo/scores, the same for every copy of the program:
    // the scores belong to the player, not to a folder. A relative
    // XDG_DATA_HOME is ignored, as the XDG base-directory rules say, for
    // $HOME/.local/share. Nothing is created here.
    static QString Path();

    // The file at Path(); what it cannot read or write goes to the
    // "zingaroo.scores" logging category, which QT_LOGGING_RULES can silence.
    static AppScoreFile File();
    // The replays kept with the scores, in "replays" beside the file.
    static AppReplayShelf Shelf();
};
