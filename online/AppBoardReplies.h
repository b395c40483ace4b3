// The board's JSON answers read into what the game shows, trusting nothing beyond that.
#pragma once

#include "AppBoardAnswer.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// One line of a day's board. Names are cut to what the board may hold and shown as text.
struct AppBoardDayLine {
    int rank = 0;
    QString name;
    int score = 0;
    int phase = 0;
    QString id;
};

class AppBoardReplies {
public:
    // The most lines of a day that are read.
    static constexpr int maxLines = 500;

    // {"day", "rank", "of", "score", "phase", "id"} of a game taken; nothing for anything else.
    // An id may be a string or a whole number.
    static std::optional<AppBoardAnswer> Posted(const QByteArray& body);
    // The "reason" of an error body, else the status in words; one line, bounded.
    static QString Reason(const QByteArray& body, int status);
    // A day's lines, best first: a JSON array of them, or an object holding it as "lines".
    // Nothing when the body is not that, or a line lacks a field or holds one out of range.
    static std::optional<std::vector<AppBoardDayLine>> Day(const QByteArray& body);
};
