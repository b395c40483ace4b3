// The player's scores file: where it lives, and its failures told on standard error.
#include "AppPlayerScores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(scoresLog, "zingaroo.scores")

void WriteScoresLine(const std::string& line) {
    qCWarning(scoresLog).noquote() << QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}

} // namespace

QString AppPlayerScores::Path() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.local/share");
    // The application name names the folder, as it names the configuration folder.
    return home + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral("/scores");
}

AppScoreFile AppPlayerScores::File() {
    return AppScoreFile(QFile::encodeName(Path()).toStdString(), WriteScoresLine);
}
