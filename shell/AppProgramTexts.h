// The program's fixed texts: its name, system, version and copyright line.
#pragma once

#include <QString>

struct AppProgramTexts {
    QString productName;
    QString systemName;    // the system the program runs on, as in "for Linux"
    QString versionNumber; // the project's version, as in "Version <major>.<minor>.<patch>"
    QString copyrightLine;
};

// Made once, after the application object exists and before any window; later calls return
// the same values.
const AppProgramTexts& ProgramTexts();
