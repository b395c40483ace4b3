// Where the settings file is read from and written to.
#pragma once

#include <QString>

// A program that runs as a folder of its own (a build folder, an unpacked
// archive: see AppProgramFolders::OwnFolder) keeps "settings.ini"
// beside the executable while that folder can be written. An installed program
// never writes beside its executable, not even as root: its settings live in
// the user's configuration folder, $XDG_CONFIG_HOME/zingaroo/settings.ini.
class AppSettingsLocation {
public:
    // The file to read. For an installed program the configuration folder's.
    // For a program of its own folder: beside the executable when that folder
    // can be written; otherwise the one in the configuration folder when it
    // exists, else the one beside the executable when that exists (settings
    // shipped with the program), else the configuration folder's path (a
    // missing file reads as empty). The file written at exit is therefore the
    // one read at the next start.
    static QString ReadPath(const QString& exeFolder);

    // The file to write: beside the executable for a program of its own folder
    // that can be written, otherwise in the configuration folder, which is
    // created here.
    static QString WritePath(const QString& exeFolder);

    // True when a file can really be created in `folder`: permission bits are
    // not enough, since they do not stop the superuser.
    static bool CanWriteFolder(const QString& folder);

    // The path in the configuration folder, without creating anything. A
    // relative XDG_CONFIG_HOME is ignored, as the XDG base-directory rules
    // say, for $HOME/.config.
    static QString ConfigPath();
};
