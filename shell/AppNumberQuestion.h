// The box that asks for a game's number: typed, or a game passed on pasted whole.
#pragma once

#include "AppGameNumber.h"

#include <QCoreApplication>

#include <cstdint>
#include <optional>

class QWidget;

class AppNumberQuestion {
    // The texts are translated as the main window's own.
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    // Asks over `window`, offering `current` (0 for none), until the answer reads as a game
    // (see AppGameNumber::ParseShared); nothing when the player cancels.
    static std::optional<AppSharedGame> Ask(QWidget* window, std::uint32_t current);
};
