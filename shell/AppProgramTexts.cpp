// The program's fixed texts: its name, system, version and copyright line.
#include "AppProgramTexts.h"

#include "AppApplication.h"

#include <QCoreApplication>

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

AppProgramTexts MakeTexts() {
    AppProgramTexts c;
    c.productName = AppApplication::ProductName();
    c.systemName = SystemName();
    c.versionNumber = QLatin1String(AppApplication::Version());
    //: The last sentence of the About text, after the program's name, system and version.
    c.copyrightLine = QCoreApplication::translate("AppProgramTexts",
                                                  "Copyright (C) 2026 The Zingaroo developers");
    return c;
}

} // namespace

const AppProgramTexts& ProgramTexts() {
    static const AppProgramTexts texts = MakeTexts();
    return texts;
}
