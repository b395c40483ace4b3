// The words of the game's state, score and record lines: English unless the owner gives others.
#pragma once

#include "AppTranslatable.h"

#include <array>
#include <initializer_list>
#include <string>

struct AppGameTexts {
    // "%1" and "%2" stand for the numbers, so a language can put them where it needs them.
    //: First line of the Status box (the menu item and box title "Status"); %1 is "Playing"
    //: or "Not Playing".
    std::string stateLine = AppTranslatable("AppGame", "State: %1");
    //: A game is under way: fills "State: %1".
    std::string playing = AppTranslatable("AppGame", "Playing");
    //: No game is under way (title screen or game over): fills "State: %1".
    std::string notPlaying = AppTranslatable("AppGame", "Not Playing");
    //: In the Status box and the game-over text. %1 is the points, %2 the phases reached. The
    //: numbers get no plural forms: write each as "label: number" or with an invariable
    //: abbreviation. Drawn on a field as narrow as 288 pixels; keep it short.
    std::string scoreLine = AppTranslatable("AppGame", "Score: %1 pt.  %2 ph.");
    //: The best game so far, written like "Score: %1 pt.  %2 ph." (no plural forms).
    std::string recordLine = AppTranslatable("AppGame", "Record: %1 pt.  %2 ph.");

    // Every text, for putting them all into another language in one pass.
    std::array<std::string*, 5> All() {
        return {&stateLine, &playing, &notPlaying, &scoreLine, &recordLine};
    }

    // The pattern with each "%1" to "%9" replaced by that argument; a number without an
    // argument stays as it is.
    static std::string Fill(const std::string& pattern, std::initializer_list<std::string> args);
};
