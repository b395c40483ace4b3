// The program's fixed texts and the paths of the files beside the executable.
#include "AppConstants.h"

#include <QCoreApplication>

namespace {

QString PlatformLine()
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("for Linux");
#elif defined(Q_OS_WIN)
    return QStringLiteral("for Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("for macOS");
#else
    return QStringLiteral("for ") + QSysInfo::kernelType();
#endif
}

AppConstants MakeConstants()
{
    AppConstants c;
    c.productName = QStringLiteral("Zingaroo");
    c.platformLine = PlatformLine();
    c.versionLine = QStringLiteral("Version 1.0.0");
    c.copyrightLine = QStringLiteral("Copyright (C) 2026 The Zingaroo developers");
    c.exeFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    c.soundFolder = c.exeFolder + QStringLiteral("sound/");
    c.helpFile = c.exeFolder + QStringLiteral("help/index.html");
    c.settingsFile = c.exeFolder + QStringLiteral("settings.ini");
    c.falseText = QStringLiteral("0");
    c.trueText = QStringLiteral("1");
    return c;
}

} // namespace

const AppConstants& Constants()
{
    static const AppConstants constants = MakeConstants();
    return constants;
}
