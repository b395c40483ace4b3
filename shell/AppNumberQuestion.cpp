// The box that asks for a game's number: typed, or a game passed on pasted whole.
#include "AppNumberQuestion.h"

#include "AppMessageBox.h"
#include "TNumberDialog.h"

std::optional<AppSharedGame> AppNumberQuestion::Ask(QWidget* window, std::uint32_t current) {
    QString typed = QString::number(current == 0 ? AppGameNumber::low : current);
    for (;;) {
        const std::optional<QString> answer = TNumberDialog::Ask(
            //: The title of the box that asks for a game's number; the menu item without "…".
            tr("New Numbered Game"),
            //: The label of the field where the game's number is typed.
            tr("Game number:"), typed, window);
        if (!answer)
            return std::nullopt;
        typed = *answer;
        if (const std::optional<AppSharedGame> game =
                AppGameNumber::ParseShared(typed.toStdString()))
            return game;
        //: %1 and %2 are the lowest and highest game numbers.
        AppMessageBox::Show(tr("A game number is a whole number from %1 to %2.")
                                .arg(AppGameNumber::low)
                                .arg(AppGameNumber::high),
                            tr("New Numbered Game"), AppMessageBox::mbIconWarning, window);
    }
}
