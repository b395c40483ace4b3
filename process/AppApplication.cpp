// The application object: shows an error that escapes an event handler and ends the program.
#include "AppApplication.h"

#include "AppLanguage.h"
#include "AppMessageBox.h"

#include <exception>

namespace {

// Runs before the application object connects to the display. Each shared-memory picture
// transfer to an X server sends back a completion event, which wakes the program twice
// more on every step; the few changed cells of a step go as quickly over the connection.
int& BeforeDisplay(int& argc) {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    return argc;
}

} // namespace

AppApplication::AppApplication(int& argc, char** argv) : QApplication(BeforeDisplay(argc), argv) {
    // The lower-case name names the configuration folder and the window class.
    setApplicationName(QStringLiteral("zingaroo"));
    setApplicationVersion(QLatin1String(Version()));
    setDesktopFileName(QStringLiteral("org.zingaroo.Zingaroo"));
    // Before any text is made: the fixed texts and the windows speak the player's language.
    AppLanguage::Install(AppLanguage::DesktopLanguages());
}

bool AppApplication::notify(QObject* receiver, QEvent* event) {
    // Qt cannot carry an exception through its event loop, so it is caught
    // here, shown, and the program ends.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowError(QString());
    }
    exit(errorExitCode);
    return false;
}

void AppApplication::ShowError(const QString& message) {
    AppMessageBox::ShowError(message, ProductName());
}

QString AppApplication::ProductName() {
    return QStringLiteral("Zingaroo");
}

const char* AppApplication::Version() {
    return ZINGAROO_VERSION;
}
