// The player's scores file: where it lives, and its failures told on standard error.
#include "AppPlayerScores.h"

#include "AppLog.h"
#include "AppProgramFolders.h"

#include <QFile>
#include <QFileInfo>

QString AppPlayerScores::Path() {
    return AppProgramFolders::PlayerDataFolder() + QStringLiteral("/scores");
}

AppScoreFile AppPlayerScores::File() {
    return AppScoreFile(QFile::encodeName(Path()).toStdString(), AppLog::Writer(scoresLog));
}

AppReplayShelf AppPlayerScores::Shelf() {
    const QString folder = QFileInfo(Path()).path() + QStringLiteral("/replays");
    return AppReplayShelf(QFile::encodeName(folder).toStdString());
}
