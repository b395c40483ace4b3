// The program's log: its categories, and the one writer of the lines the Qt-free parts report.
#include "AppLog.h"

Q_LOGGING_CATEGORY(settingsLog, "zingaroo.settings")
Q_LOGGING_CATEGORY(scoresLog, "zingaroo.scores")
Q_LOGGING_CATEGORY(soundLog, "zingaroo.sound")
Q_LOGGING_CATEGORY(inputLog, "zingaroo.input")
Q_LOGGING_CATEGORY(gameLog, "zingaroo.game")
Q_LOGGING_CATEGORY(boardLog, "zingaroo.board")

AppLog::Report AppLog::Writer(Category category) {
    category();
    return [category](const std::string& line) {
        qCWarning(category).noquote()
            << QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
    };
}
