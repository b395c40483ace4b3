// The longer texts of the main window's boxes, in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class AppGame;

class AppShellTexts {
    // The texts are translated as the main window's own.
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    static QString Status(const AppGame& game);
    static QString HelpQuestion();
    static QString Tips();
    static QString ClearRecordQuestion();
};
