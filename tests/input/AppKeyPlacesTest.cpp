// The game's keys read by their place on keyboards of several layouts, named as each types them.
#include "AppKeyPlaces.h"
#include "AppGame.h"
#include "AppKeyLabels.h"

#include <QInputDevice>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

using P = AppKeyPosition;

// The positions of the eight places, set 1 then set 2.
constexpr P placePositions[AppKeyOptions::count] = {
    P::slash, P::back, P::backOrShoveLeft, P::slashOrShoveRight,
    P::slash, P::back, P::backOrShoveLeft, P::slashOrShoveRight};

struct Layout {
    const char* layout;
    const char* variant;
    // What the layout types on the eight places, upper case.
    const char* labels;
};

// The keyboard the events come from. Without an application, the keyboard a key event takes
// by default is made for it and never freed, which the leak checker reports.
const QInputDevice keyboard(QStringLiteral("keyboard"), 1, QInputDevice::DeviceType::Keyboard);

// The event the platform delivers for a key typing `label` in the place of `code`: its Qt key
// is the label's character, its text the lower case one.
QKeyEvent Press(const QString& label, quint32 code, Qt::KeyboardModifiers modifiers) {
    return QKeyEvent(QEvent::KeyPress, label.at(0).unicode(), modifiers, code, 0, 0,
                     label.toLower(), false, 1, &keyboard);
}

P PositionOf(const QKeyEvent& event) {
    return AppGame::PositionOfKey(AppKeyPlaces(AppKeyOptions()).Key(event));
}

TEST(AppKeyPlaces, EveryLayoutActsByTheUsPlacesAndItsOwnLettersElsewhereDoNothing) {
    const Layout layouts[] = {{"us", "", "WRSFUOJL"},
                              {"fr", "", "ZRSFUOJL"},
                              {"de", "", "WRSFUOJL"},
                              {"us", "dvorak", ",POUGRHN"},
                              {"ru", "", "ЦКЫАГЩОД"}};
    for (const Layout& layout : layouts) {
        const AppKeyLabels labels(layout.layout, layout.variant);
        const QString expected = QString::fromUtf8(layout.labels);
        for (int slot = 0; slot < AppKeyOptions::count; ++slot) {
            const quint32 code = AppKeyOptions::defaultCodes[slot];
            const QString label = labels.Label(code);
            EXPECT_EQ(label, expected.mid(slot, 1)) << layout.layout << layout.variant << slot;
            // Modifiers and case make no difference.
            for (const Qt::KeyboardModifiers modifiers :
                 {Qt::KeyboardModifiers(), Qt::ShiftModifier | Qt::ControlModifier})
                EXPECT_EQ(PositionOf(Press(label, code, modifiers)), placePositions[slot])
                    << layout.layout << layout.variant << slot;
        }
        // Where the layout types one of the eight US letters in another place (W on the
        // French Z, say), that key is none of the game's.
        for (quint32 code = AppKeyOptions::lowestCode; code <= AppKeyOptions::highestCode; ++code) {
            const QString label = labels.Label(code);
            if (label.size() == 1 && QStringLiteral("WRSFUOJL").contains(label) &&
                !expected.contains(label)) {
                EXPECT_EQ(PositionOf(Press(label, code, {})), P::none)
                    << layout.layout << layout.variant << code;
            }
        }
    }
    // Without a physical code the letters act, wherever they are.
    EXPECT_EQ(PositionOf(Press(QStringLiteral("W"), 0, {})), P::slash);
    EXPECT_EQ(PositionOf(Press(QStringLiteral("Z"), 0, {})), P::none);
    // The arrows of set 3 are themselves.
    EXPECT_EQ(
        AppKeyPlaces(AppKeyOptions())
            .Key(QKeyEvent(QEvent::KeyPress, Qt::Key_Left, {}, 113, 0, 0, {}, false, 1, &keyboard)),
        Qt::Key_Left);
}

} // namespace
