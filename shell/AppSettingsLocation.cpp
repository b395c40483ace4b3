// Where the settings file is read from and written to.
#include "AppSettingsLocation.h"

#include "AppProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QString fileName = QStringLiteral("settings.ini");

QString BesideExecutable(const QString& exeFolder) {
    return QDir(exeFolder).filePath(fileName);
}

} // namespace

bool AppSettingsLocation::CanWriteFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

QString AppSettingsLocation::ConfigPath() {
    return QDir(AppProgramFolders::PlayerFolder("XDG_CONFIG_HOME", QStringLiteral(".config")))
        .filePath(fileName);
}

QString AppSettingsLocation::ReadPath(const QString& exeFolder) {
    const QString config = ConfigPath();
    if (!AppProgramFolders::OwnFolder(exeFolder))
        return config;
    const QString beside = BesideExecutable(exeFolder);
    if (CanWriteFolder(exeFolder))
        return beside;
    if (!QFileInfo::exists(config) && QFileInfo::exists(beside))
        return beside;
    return config;
}

QString AppSettingsLocation::WritePath(const QString& exeFolder) {
    if (AppProgramFolders::OwnFolder(exeFolder) && CanWriteFolder(exeFolder))
        return BesideExecutable(exeFolder);
    const QString config = ConfigPath();
    QDir().mkpath(QFileInfo(config).absolutePath());
    return config;
}
