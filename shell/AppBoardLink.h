// The game's link to the board: the day's games into the outbox, the answers into the scores.
#pragma once

#include "AppBoardAnswer.h"
#include "AppBoardOptions.h"

#include <QObject>
#include <QString>

#include <functional>

class AppBoardSender;
class AppScoreKeeper;

// The sender's thread never touches the game: it gets the replay text and gives back answers,
// which are kept here with the game's line in the scores and said on the score line.
class AppBoardLink : public QObject {
    Q_OBJECT

public:
    // `noteChanged` is called when what the score line says of the last day's game changes.
    AppBoardLink(AppScoreKeeper& keeper, std::function<void()> noteChanged, QObject* parent);
    ~AppBoardLink() override;

    // Sending on makes the player's key, the first time; the games waiting are tried.
    void Apply(const AppBoardOptions& options);
    // A game ended: what the line said of the one before no longer applies.
    void GameEnded();
    // What the score line says of the last day's game sent: queued, its place, or refused.
    const QString& Note() const { return note_; }
    // The score line's text, with the note after it once the game is over.
    QString AfterScore(const QString& text, bool gameOver) const {
        return gameOver && !note_.isEmpty() ? text + QStringLiteral(" · ") + note_ : text;
    }
    AppBoardSender& Sender() { return *sender_; }

    // The name the board shows: the one given, else the account's.
    static QString ShownName(const AppBoardOptions& options);
    static QString OutboxFolder();
    static QString KeyPath();

private:
    void Answered(const QString& id, const AppBoardAnswer& answer);

    AppScoreKeeper& keeper_;
    std::function<void()> noteChanged_;
    AppBoardSender* sender_ = nullptr;
    // The game the note is about.
    QString noteId_;
    QString note_;
};
