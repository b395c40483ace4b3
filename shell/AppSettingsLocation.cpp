// Where the settings file is read from and written to.
#include "AppSettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QString fileName = QStringLiteral("settings.ini");

QString BesideExecutable(const QString& exeFolder) {
    return QDir(exeFolder).filePath(fileName);
}

} // namespace

bool AppSettingsLocation::BesideProgram(const QString& exeFolder) {
    return QFileInfo(QDir(exeFolder).filePath(QStringLiteral("sound"))).isDir();
}

bool AppSettingsLocation::CanWriteFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

QString AppSettingsLocation::UserFolder(const char* variable, const QString& homeSubfolder) {
    QString home = qEnvironmentVariable(variable);
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath() + QLatin1Char('/') + homeSubfolder;
    // The application name names the folder, as it names the window class.
    return home + QLatin1Char('/') + QCoreApplication::applicationName();
}

QString AppSettingsLocation::ConfigPath() {
    return QDir(UserFolder("XDG_CONFIG_HOME", QStringLiteral(".config"))).filePath(fileName);
}

QString AppSettingsLocation::ReadPath(const QString& exeFolder) {
    const QString config = ConfigPath();
    if (!BesideProgram(exeFolder))
        return config;
    const QString beside = BesideExecutable(exeFolder);
    if (CanWriteFolder(exeFolder))
        return beside;
    if (!QFileInfo::exists(config) && QFileInfo::exists(beside))
        return beside;
    return config;
}

QString AppSettingsLocation::WritePath(const QString& exeFolder) {
    if (BesideProgram(exeFolder) && CanWriteFolder(exeFolder))
        return BesideExecutable(exeFolder);
    const QString config = ConfigPath();
    QDir().mkpath(QFileInfo(config).absolutePath());
    return config;
}
