// The main window's boxes with their longer texts, in the player's language.
#pragma once

#include "AppGameTexts.h"

#include <QCoreApplication>
#include <QString>

class AppGame;
class QWidget;

class AppShellTexts {
    // The texts are translated as the main window's own.
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    // The state line reads "Paused" while a game is paused.
    static QString Status(const AppGame& game, bool paused);
    static QString HelpQuestion();
    static QString Tips();
    static QString ClearRecordQuestion();
    // The boxes, over `window`: Status; the question before the help page opens; Tips; and
    // whether the record is to be cleared, true for OK.
    static void ShowStatus(QWidget* window, const AppGame& game, bool paused);
    static void OfferHelp(QWidget* window);
    static void ShowTips(QWidget* window);
    static bool ConfirmClearRecord(QWidget* window);
    // The game's state, score and record words in the installed language.
    static AppGameTexts GameTexts();
};
