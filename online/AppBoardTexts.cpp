// What the game says of its games on the board, in the player's language.
#include "AppBoardTexts.h"

QString AppBoardTexts::Ordinal(int place) {
    // English picks the suffix by the last digits; other languages may use one pattern for all.
    const int lastTwo = place % 100;
    const int last = place % 10;
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1)
            //: An ordinal number ending in 1 but not 11: 1st, 21st. %1 is the number.
            return tr("%1st").arg(place);
        if (last == 2)
            //: An ordinal number ending in 2 but not 12: 2nd, 22nd. %1 is the number.
            return tr("%1nd").arg(place);
        if (last == 3)
            //: An ordinal number ending in 3 but not 13: 3rd, 23rd. %1 is the number.
            return tr("%1rd").arg(place);
    }
    //: Any other ordinal number: 4th, 11th, 12th, 13th. %1 is the number.
    return tr("%1th").arg(place);
}

QString AppBoardTexts::Sent(int rank, int of) {
    //: Under the field after the day's game reached the board: its place among the day's
    //: players. %1 is the place as an ordinal ("3rd"), %2 how many are on the board.
    return tr("Sent: %1 of %2").arg(Ordinal(rank)).arg(of);
}

QString AppBoardTexts::Queued() {
    //: Under the field after the day's game ended while the board cannot be reached: it will be
    //: sent later.
    return tr("Queued for the board");
}

QString AppBoardTexts::Refused(const QString& reason) {
    //: Under the field when the board refused the day's game. %1 is the board's reason.
    return tr("Refused by the board: %1").arg(reason);
}
