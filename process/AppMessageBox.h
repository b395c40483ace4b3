// The application's message box: text, caption and style flags in, the pressed button out.
#pragma once

#include <QString>

class QWidget;

class AppMessageBox {
public:
    // Button sets, the low four bits of the flags.
    static constexpr int mbOk = 0x0;
    static constexpr int mbOkCancel = 0x1;
    // Icons, the next four bits.
    static constexpr int mbIconError = 0x10;
    static constexpr int mbIconQuestion = 0x20;
    static constexpr int mbIconWarning = 0x30;
    static constexpr int mbIconInformation = 0x40;

    // Numbers of the pressed button.
    static constexpr int idOk = 1;
    static constexpr int idCancel = 2;

    // Shows a box modal over every window of the program, owned by the given window, else by
    // the active window if there is one, and returns the number of the button pressed. The
    // text is shown as plain text, its CR LF line breaks as line breaks. Unknown button sets
    // show OK alone. OK is the default button; Escape or the close box give Cancel where
    // there is one, OK in an OK-only box.
    static int Show(const QString& text, const QString& caption, int flags,
                    QWidget* owner = nullptr);

    // The box for an error that escaped to the top: error icon and OK. Without a
    // widget application to show it in, the message goes to the standard error stream.
    static void ShowError(const QString& message, const QString& caption);
};
