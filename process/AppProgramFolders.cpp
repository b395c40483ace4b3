// Where the program's files are: beside it, in the installed data folder, and the player's.
#include "AppProgramFolders.h"

#include "AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool HoldsData(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("sound")).isDir() ||
           QFileInfo(folder + QStringLiteral("help")).isDir();
}

AppProgramFolders MakeFolders() {
    AppProgramFolders folders;
    folders.exeFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString dataFolder = AppProgramFolders::DataFolder(folders.exeFolder);
    folders.soundFolder = dataFolder + QStringLiteral("sound/");
    folders.helpFile = AppLanguage::HelpFile(dataFolder);
    return folders;
}

} // namespace

bool AppProgramFolders::OwnFolder(const QString& exeFolder) {
    return HoldsData(exeFolder);
}

// Beside the executable when the program runs as a folder of its own, else the installed data
// folder, found relative to the executable first so that an installation can be moved.
QString AppProgramFolders::DataFolder(const QString& exeFolder) {
    if (OwnFolder(exeFolder))
        return exeFolder;
    const QStringList installed = {
        QDir::cleanPath(exeFolder + QStringLiteral("../share/zingaroo")) + QLatin1Char('/'),
        QDir::cleanPath(exeFolder + QStringLiteral("../share/games/zingaroo")) + QLatin1Char('/'),
        QStringLiteral(ZINGAROO_INSTALLED_DATA_DIR "/"),
    };
    for (const QString& folder : installed) {
        if (HoldsData(folder))
            return folder;
    }
    return exeFolder;
}

QString AppProgramFolders::PlayerFolder(const char* variable, const QString& homeSubfolder) {
    QString home = qEnvironmentVariable(variable);
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath() + QLatin1Char('/') + homeSubfolder;
    // The application name names the folder, as it names the window class.
    return home + QLatin1Char('/') + QCoreApplication::applicationName();
}

const AppProgramFolders& ProgramFolders() {
    static const AppProgramFolders folders = MakeFolders();
    return folders;
}
