// Where the settings file is read from and written to.
#pragma once

#include <QString>

// The file "settings.ini" lives beside the executable while that folder can be
// written. An installed program's folder cannot be, so its settings live in the
// user's configuration folder instead (QStandardPaths::AppConfigLocation, which
// follows XDG_CONFIG_HOME and the application name).
class AppSettingsLocation {
public:
    // The file to read: beside the executable when its folder can be written;
    // otherwise the one in the configuration folder when it exists, else the
    // one beside the executable when that exists (settings shipped with an
    // installed program), else the configuration folder's path (a missing file
    // reads as empty). The file written at exit is therefore the one read at
    // the next start.
    static QString ReadPath(const QString& exeFolder);

    // The file to write: beside the executable when its folder can be written,
    // otherwise in the configuration folder, which is created here.
    static QString WritePath(const QString& exeFolder);

    // True when a file can really be created in `folder`: permission bits are
    // not enough, since they do not stop the superuser.
    static bool CanWriteFolder(const QString& folder);

    // The path in the configuration folder, without creating anything.
    static QString ConfigPath();
};
