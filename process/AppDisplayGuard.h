// Turns a display that cannot be opened into one clear line and exit status 1.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Qt ends the process with an abort (a core dump on some systems) when its
// platform plugin finds no display, after several lines of its own. While an
// object of this class lives, Qt's messages are held back; a fatal one prints
// noDisplayText alone and ends the process with status 1. Once the display
// is open (Release, or the object goes), the held messages are printed after
// all and Qt's messages flow as before.
class AppDisplayGuard {
public:
    AppDisplayGuard();
    AppDisplayGuard(const AppDisplayGuard&) = delete;
    AppDisplayGuard& operator=(const AppDisplayGuard&) = delete;
    ~AppDisplayGuard() { Release(); }

    void Release();

    static constexpr const char* noDisplayText =
        "zingaroo: no display could be opened (neither an X11 nor a Wayland display is "
        "reachable)\n";
    static constexpr int noDisplayExitCode = 1;

private:
    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler previous_ = nullptr;
    bool holding_ = true;
};
