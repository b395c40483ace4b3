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

QString ConfigHome() {
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return home;
    return QDir::homePath() + QStringLiteral("/.config");
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

QString AppSettingsLocation::ConfigPath() {
    // The application name names the folder, as it names the window class.
    const QString folder = ConfigHome() + QLatin1Char('/') + QCoreApplication::applicationName();
    return QDir(folder).filePath(fileName);
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
