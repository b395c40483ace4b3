// The application object: shows an error that escapes an event handler and ends the program.
#pragma once

#include <QApplication>

class AppApplication : public QApplication {
    Q_OBJECT

public:
    AppApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box captioned with the product name.
    static void ShowError(const QString& message);

    // The program's name as the player sees it: "Zingaroo".
    static QString ProductName();
    // The version number as the build gives it; usable before the application object exists.
    static const char* Version();

    // The exit code the program ends with after an error: never 0, so a
    // failure is not reported as success.
    static constexpr int errorExitCode = 1;
};
