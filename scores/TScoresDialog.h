// The Scores dialog: a table's top ten and its history, a new entry's name, Clear, Watch, Save.
#pragma once

#include "AppReplayShelf.h"
#include "AppScoreFile.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class TBoardDayPage;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class TScoreChart;

class TScoresDialog : public QDialog {
    Q_OBJECT

public:
    enum Page { pageTopTen = 0, pageHistory = 1, pageBoard = 2 };
    enum Column {
        colRank,
        colName,
        colScore,
        colPhase,
        colLength,
        colDate,
        colNumber,
        columnCount
    };

    // Takes a change to the scores file, to be written without holding the dialog.
    using Write = std::function<void(const AppScoreFile::Change& change)>;

    // Shows the tables of `book`, opening on the one of `current`; Clear and a
    // new name change the book shown at once and go to `write`; Watch takes its
    // replays from `shelf`.
    TScoresDialog(AppScoreBook book, AppReplayShelf shelf, const AppPlayOptions& current,
                  Write write, QWidget* parent);

    // The replay chosen with Watch, which closed the dialog (empty when its file is); nothing
    // when none was.
    const std::optional<std::string>& WatchText() const { return watchText_; }

    // Shows the table of a game just entered with its row selected and its
    // name open for editing: Enter keeps what was typed, Escape the name it has.
    void EditName(const AppScoreGame& game);

    // A replay landed on the shelf: Watch and Save follow for the game chosen.
    void ReplaysChanged() { UpdateWatch(); }

    // Opens beside `window`'s frame, on the side with more room; where neither side has room,
    // below it; where there is none below either, centred over its client area and never over
    // its title bar.
    void PlaceBeside(const QWidget& window);

    // The board the Board page shows (empty: none), with the player's games marked by the
    // answers the scores keep.
    void SetBoard(const QString& address);

    // The name of a set of rules' table in the player's language.
    static QString TableName(const AppPlayOptions& rules);

    // Closing while the name is being edited keeps what was typed.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateTopTenPage();
    QWidget* CreateHistoryPage();
    void ListTables(const AppPlayOptions& current);
    const AppPlayOptions& ShownRules() const;
    void ShowTable();
    void FillTopTen();
    void FillHistory();
    void ClearClick();
    // The game Watch would play: the selected entry on the Top Ten page, the table's last
    // game on the History page.
    std::optional<AppScoreGame> WatchedGame() const;
    void UpdateWatch();
    void WatchClick();
    // Writes the chosen game's replay to a file the player names.
    void SaveClick();
    void OpenNameEditor();
    // Without a new entry: the row of the table's last game, else the first row, so that
    // Watch works at once.
    void SelectLastGame();
    // The editor open on the new entry's name, if any.
    QWidget* NameEditor() const;
    void NameChanged(QTableWidgetItem* item);
    void Change(const AppScoreFile::Change& change);

    Write write_;
    AppReplayShelf shelf_;
    AppScoreBook book_;
    std::optional<std::string> watchText_;
    std::vector<AppPlayOptions> tables_;
    // The game whose name may be edited, and its row while its table is shown.
    std::optional<AppScoreGame> newGame_;
    int newRow_ = -1;

    QComboBox* TableBox = nullptr;
    QTabWidget* PageControl = nullptr;
    QTableWidget* TopTenList = nullptr;
    QLabel* GamesValue = nullptr;
    QLabel* TimeValue = nullptr;
    QLabel* AverageValue = nullptr;
    QLabel* BestScoreValue = nullptr;
    QLabel* BestPhaseValue = nullptr;
    QLabel* LastGameValue = nullptr;
    QLabel* DayGamesValue = nullptr;
    TScoreChart* Chart = nullptr;
    TBoardDayPage* BoardPage = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* WatchButton = nullptr;
    QPushButton* SaveButton = nullptr;
};
