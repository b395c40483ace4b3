// Turns a display that cannot be opened into one clear line and exit status 1.
#include "AppDisplayGuard.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

QStringList held;

} // namespace

AppDisplayGuard::AppDisplayGuard() : previous_(qInstallMessageHandler(Hold)) {}

void AppDisplayGuard::Release() {
    if (!std::exchange(holding_, false))
        return;
    qInstallMessageHandler(previous_);
    for (const QString& line : std::exchange(held, {}))
        std::fprintf(stderr, "%s\n", qPrintable(line));
}

void AppDisplayGuard::Hold(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        held.append(qFormatLogMessage(type, context, message));
        return;
    }
    // Nothing of the game exists yet, so there is nothing to save or undo.
    std::fputs(noDisplayText, stderr);
    std::_Exit(noDisplayExitCode);
}
