// What the game says of its games on the board, in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class AppBoardTexts {
    Q_DECLARE_TR_FUNCTIONS(AppBoardTexts)

public:
    // 1st, 2nd, 3rd, 4th … 11th, 12th, 13th, 21st: each language gives its patterns.
    static QString Ordinal(int place);
    // "Sent: 3rd of 41"
    static QString Sent(int rank, int of);
    static QString Queued();
    static QString Refused(const QString& reason);
};
