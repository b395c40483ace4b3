// The game's keys of sets 1 and 2 read by their place on the keyboard, not by what they type.
#include "AppKeyPlaces.h"

#include "AppGame.h"

#include <QKeyEvent>

namespace {

// The US letters of the slots, in the order AppKeyOptions keeps them.
constexpr int slotLetters[AppKeyOptions::count] = {Qt::Key_W, Qt::Key_R, Qt::Key_S, Qt::Key_F,
                                                   Qt::Key_U, Qt::Key_O, Qt::Key_J, Qt::Key_L};

} // namespace

int AppKeyPlaces::Key(const QKeyEvent& event) const {
    const std::uint32_t code = event.nativeScanCode();
    if (code == 0)
        return event.key();
    for (int slot = 0; slot < AppKeyOptions::count; ++slot)
        if (keys_.Codes[slot] == code)
            return slotLetters[slot];
    return event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z ? 0 : event.key();
}

bool AppKeyPlaces::Placed(const QKeyEvent& event) const {
    const std::uint32_t code = event.nativeScanCode();
    return code != 0 && keys_.OtherSlotOf(code, -1) >= 0;
}

bool AppKeyPlaces::PausePlace(const QKeyEvent& event) const {
    return event.nativeScanCode() == pauseCode && !Placed(event) &&
           !(event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z);
}

AppKeyPosition AppKeyPlaces::PositionOf(int qtKey) {
    // Qt gives a letter as its upper-case character code, which is the game's own code.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return AppGame::PositionOfKey(qtKey);
    if (qtKey == Qt::Key_Left)
        return AppGame::PositionOfKey(AppKey::Left);
    if (qtKey == Qt::Key_Right)
        return AppGame::PositionOfKey(AppKey::Right);
    return AppKeyPosition::none;
}
