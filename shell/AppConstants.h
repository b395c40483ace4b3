// The program's fixed texts and the paths of the files beside the executable.
#pragma once

#include <QString>

struct AppConstants {
    QString productName;
    QString systemName;    // the system the program runs on, as in "for Linux"
    QString versionNumber; // the project's version, as in "Version <major>.<minor>.<patch>"
    QString copyrightLine;
    QString exeFolder;   // ends in '/'
    QString soundFolder; // ends in '/'
    QString helpFile;
};

// Made once, after the application object exists and before any window;
// later calls return the same values.
const AppConstants& Constants();

// The program's version number as the build gives it; usable before the application object exists.
const char* AppVersion();

// The folder holding "sound/" and "help/" for a program whose executable lies
// in exeFolder (ending in '/'); the result ends in '/'.
QString AppDataFolder(const QString& exeFolder);
