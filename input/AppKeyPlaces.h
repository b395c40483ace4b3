// The game's keys of sets 1 and 2 read by their place on the keyboard, not by what they type.
#pragma once

#include "AppKeyOptions.h"
#include "AppKeyPosition.h"

class QKeyEvent;

class AppKeyPlaces {
public:
    explicit AppKeyPlaces(const AppKeyOptions& keys) : keys_(keys) {}

    // The key the game reads for the event, as a Qt key code. A key in one of the eight
    // places is the US letter of its set and position (Qt::Key_W for set 1's slash, whatever
    // the layout types there); a letter elsewhere is no key of the game (0); any other key is
    // itself. An event without a physical code (a synthetic one, or from a platform that gives
    // none) is read by its letter.
    int Key(const QKeyEvent& event) const;
    // Whether the event's physical code is one of the eight places.
    bool Placed(const QKeyEvent& event) const;
    // Whether the event is the key in the place of P on a US keyboard, typing no Latin letter
    // there (a Russian layout alone): the pause's key by its place, as the game's keys are.
    // Where the layout types a Latin letter there, P pauses wherever it is.
    bool PausePlace(const QKeyEvent& event) const;
    // The position a key the game reads (see Key) stands for: the letters of sets 1 and 2 and
    // the arrows of set 3; none for any other key.
    static AppKeyPosition PositionOf(int qtKey);

    // The X keycode (evdev code + 8) of P on a US keyboard.
    static constexpr std::uint32_t pauseCode = 33;

private:
    AppKeyOptions keys_;
};
