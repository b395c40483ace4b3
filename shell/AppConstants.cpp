// The program's fixed texts and the paths of the files beside the executable.
#include "AppConstants.h"

#include "AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString SystemName() {
#if defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QSysInfo::kernelType();
#endif
}

} // namespace

const char* AppVersion() {
    return ZINGAROO_VERSION;
}

// Beside the executable when the program runs from its build folder or was
// unpacked as one folder, else the installed data folder, found relative to
// the executable first so that an installation can be moved.
QString AppDataFolder(const QString& exeFolder) {
    const QStringList candidates = {
        exeFolder,
        QDir::cleanPath(exeFolder + QStringLiteral("../share/zingaroo")) + QLatin1Char('/'),
        QDir::cleanPath(exeFolder + QStringLiteral("../share/games/zingaroo")) + QLatin1Char('/'),
        QStringLiteral(ZINGAROO_INSTALLED_DATA_DIR "/"),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo(folder + QStringLiteral("sound")).isDir() ||
            QFileInfo(folder + QStringLiteral("help")).isDir())
            return folder;
    }
    return exeFolder;
}

namespace {

AppConstants MakeConstants() {
    AppConstants c;
    c.productName = QStringLiteral("Zingaroo");
    c.systemName = SystemName();
    c.versionNumber = QLatin1String(AppVersion());
    //: The last sentence of the About text, after the program's name, system and version.
    c.copyrightLine =
        QCoreApplication::translate("AppConstants", "Copyright (C) 2026 The Zingaroo developers");
    c.exeFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString dataFolder = AppDataFolder(c.exeFolder);
    c.soundFolder = dataFolder + QStringLiteral("sound/");
    c.helpFile = AppLanguage::HelpFile(dataFolder);
    return c;
}

} // namespace

const AppConstants& Constants() {
    static const AppConstants constants = MakeConstants();
    return constants;
}
