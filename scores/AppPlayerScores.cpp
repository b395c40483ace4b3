// The player's scores file: where it lives, and its failures told on standard error.
#include "AppPlayerScores.h"

#include "AppProgramFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(scoresLog, "zingaroo.scores")

void WriteScoresLine(const std::string& line) {
    qCWarning(scoresLog).noquote() << QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}

} // namespace

QString AppPlayerScores::Path() {
    return AppProgramFolders::PlayerFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) +
           QStringLiteral("/scores");
}

AppScoreFile AppPlayerScores::File() {
    return AppScoreFile(QFile::encodeName(Path()).toStdString(), WriteScoresLine);
}

AppReplayShelf AppPlayerScores::Shelf() {
    const QString folder = QFileInfo(Path()).path() + QStringLiteral("/replays");
    return AppReplayShelf(QFile::encodeName(folder).toStdString());
}
