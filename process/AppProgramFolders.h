// Where the program's files are: beside it, in the installed data folder, and the player's.
#pragma once

#include <QString>

struct AppProgramFolders {
    QString exeFolder;   // ends in '/'
    QString soundFolder; // ends in '/'
    QString helpFile;

    // True when the program runs as a folder of its own (a build folder, an unpacked
    // archive): its "sound/" or "help/" folder lies beside the executable in exeFolder
    // (ending in '/'). Such a program finds its data there and may keep its settings there.
    static bool OwnFolder(const QString& exeFolder);

    // The folder holding "sound/" and "help/" for a program whose executable lies in
    // exeFolder (ending in '/'); the result ends in '/'.
    static QString DataFolder(const QString& exeFolder);

    // The program's folder under the base folder that environment variable `variable` names
    // (XDG_CONFIG_HOME for the settings, XDG_DATA_HOME for the scores), or under
    // $HOME/`homeSubfolder` when it is unset or relative, as the XDG base-directory rules
    // say. Nothing is created here.
    static QString PlayerFolder(const char* variable, const QString& homeSubfolder);
    // The player's data folder: the scores, the replays and the saved game live there.
    static QString PlayerDataFolder() {
        return PlayerFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    }
};

// Made once, after the application object exists and before any window; later calls return
// the same values.
const AppProgramFolders& ProgramFolders();
