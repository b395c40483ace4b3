// The longer texts of the main window's boxes, in the player's language.
#pragma once

#include "AppGameTexts.h"

#include <QCoreApplication>
#include <QString>

class AppGame;

class AppShellTexts {
    // The texts are translated as the main window's own.
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    // The state line reads "Paused" while a game is paused.
    static QString Status(const AppGame& game, bool paused);
    static QString HelpQuestion();
    static QString Tips();
    static QString ClearRecordQuestion();
    // The game's state, score and record words in the installed language.
    static AppGameTexts GameTexts();
};
