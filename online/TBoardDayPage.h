// The Scores dialog's Board page: a day's best on the board, the player's own lines marked.
#pragma once

#include "AppBoardAnswer.h"
#include "AppBoardCall.h"
#include "AppBoardReplies.h"

#include <QDate>
#include <QWidget>

#include <vector>

class QDateEdit;
class QLabel;
class QNetworkAccessManager;
class QPushButton;
class QTableWidget;

// Everything is fetched in the background: the window never waits for the board. A page that
// cannot be fetched, or a replay that does not verify, says why in one line under the list and
// changes nothing; Retry fetches the day again.
class TBoardDayPage : public QWidget {
    Q_OBJECT

public:
    // The most lines the page shows.
    static constexpr int shownLines = 20;

    explicit TBoardDayPage(QWidget* parent = nullptr);

    // The board's address (empty: no board) and the answers the board gave the player's games.
    void SetBoard(const QString& address, std::vector<AppBoardAnswer> own);
    void SetLimits(const AppBoardCall::Limits& limits) { limits_ = limits; }
    // Fetches the chosen day's lines, once the page is shown; again with Retry.
    void Fetch();
    // Whether a line is selected.
    bool HasChosenLine() const;
    // Fetches the chosen line's replay and, once it verifies, hands it on by WatchReady.
    void WatchChosen();

    // The day's board in a browser: the board's own page for the chosen day.
    QUrl DayPage() const;

signals:
    void WatchReady(const QString& replay);
    void ChosenLineChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Show(const std::vector<AppBoardDayLine>& lines);
    void Say(const QString& line, bool retry);
    void ShowOwnRank();

    QString address_;
    std::vector<AppBoardAnswer> own_;
    std::vector<AppBoardDayLine> lines_;
    AppBoardCall::Limits limits_ = {1 << 20, 20000};
    QNetworkAccessManager* network_ = nullptr;
    // Counts the fetches, so an answer to one the player has moved on from is dropped.
    int fetches_ = 0;
    bool fetched_ = false;

    QDateEdit* DayEdit = nullptr;
    QTableWidget* BoardList = nullptr;
    QLabel* OwnRankLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* RetryButton = nullptr;
    QPushButton* BrowserButton = nullptr;
};
