// The program's log: its categories, and the one writer of the lines the Qt-free parts report.
#pragma once

#include <QLoggingCategory>

#include <functional>
#include <string>

// A failure that loses something (settings or scores not saved or left as they are, a silent
// game) leaves one warning line in its category on standard error; QT_LOGGING_RULES can
// silence each ("zingaroo.scores=false"). The game's own fallback stays quiet.
Q_DECLARE_LOGGING_CATEGORY(settingsLog) // "zingaroo.settings"
Q_DECLARE_LOGGING_CATEGORY(scoresLog)   // "zingaroo.scores"
Q_DECLARE_LOGGING_CATEGORY(soundLog)    // "zingaroo.sound"
Q_DECLARE_LOGGING_CATEGORY(gameLog)     // "zingaroo.game": saved games and replays
Q_DECLARE_LOGGING_CATEGORY(inputLog)    // "zingaroo.input": game pads
Q_DECLARE_LOGGING_CATEGORY(boardLog)    // "zingaroo.board": the day's games sent to the board

class AppLog {
public:
    using Category = const QLoggingCategory& (*)();
    // What the settings, scores and storage code is given to report a line with.
    using Report = std::function<void(const std::string& line)>;

    // Writes each line, in the local encoding, as a warning in `category`. The category
    // is made at once, so that it outlives the exit handler that may still report through it.
    static Report Writer(Category category);
};
