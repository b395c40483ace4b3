// The Scores dialog: a table's top ten and its history, a new entry's name, Clear, Watch, Save.
#include "TScoresDialog.h"

#include "AppDurableFile.h"
#include "AppGameNumber.h"
#include "AppMessageBox.h"
#include "AppPlayPresets.h"
#include "TBoardDayPage.h"
#include "TScoreChart.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <map>

namespace {

// Names longer than this are cut when typed, as the file cuts them.
constexpr int maxNameLength = int(AppScoreGame::maxNameLength);
// The name's column shows this many characters at least.
constexpr int nameColumnChars = 18;
// The History page lists the player's best on this many of the last days' games.
constexpr std::size_t shownDays = 7;

// Hours, minutes and seconds as a clock shows them: 0:42, 12:05, 1:02:03.
QString Duration(std::int64_t seconds) {
    const auto twoDigits = [](std::int64_t value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(twoDigits(minutes), twoDigits(seconds % 60));
    return QStringLiteral("%1:%2").arg(minutes).arg(twoDigits(seconds % 60));
}

// A caption as a screen reader names its control: no access key, whether marked in the
// text or added in brackets as some languages do, and no colon.
QString Spoken(QString caption) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&\\w\\)|&(?=[^&])"));
    caption.remove(accessKey);
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

// A game's number as the player types it in; nothing for a game that has none.
QString NumberText(const AppScoreGame& game) {
    return game.number == 0 ? QString() : QString::number(game.number);
}

// The day whose game `game` was, if it was one.
std::optional<std::chrono::sys_days> DayOf(const AppScoreGame& game) {
    return AppGameNumber::DayOf(game.number, game.rules,
                                std::chrono::sys_seconds(std::chrono::seconds(game.endTime)));
}

// After the number of a day's game: " Today" on its day, " Day's game" after it.
QString DayMark(const AppScoreGame& game) {
    const std::optional<std::chrono::sys_days> day = DayOf(game);
    if (!day)
        return {};
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    if (*day == today)
        //: Marks the game of the current day (Game > Today's Game) after its number.
        return QLatin1Char(' ') + TScoresDialog::tr("Today");
    //: Marks the game of an earlier day (Game > Today's Game) after its number.
    return QLatin1Char(' ') + TScoresDialog::tr("Day's game");
}

// The best score on each of the last days' games, newest first: "12/9/26: 40 · 12/8/26: 17".
QString DayResults(const std::vector<AppScoreGame>& games) {
    std::map<std::chrono::sys_days, std::int32_t> best;
    for (const AppScoreGame& game : games)
        if (const std::optional<std::chrono::sys_days> day = DayOf(game)) {
            const auto [entry, added] = best.try_emplace(*day, game.score);
            entry->second = std::max(entry->second, game.score);
        }
    const QLocale locale;
    QStringList results;
    for (auto day = best.rbegin(); day != best.rend() && results.size() < qsizetype(shownDays);
         ++day) {
        const QDate date = QDate(1970, 1, 1).addDays(day->first.time_since_epoch().count());
        results << QStringLiteral("%1: %2").arg(locale.toString(date, QLocale::ShortFormat),
                                                locale.toString(day->second));
    }
    return results.join(QStringLiteral(" · "));
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

// Why a replay could not be saved, in the player's language: the file's fixed words
// translated, the system's own message as the system's locale words it.
QString SaveFailure(const std::string& failure) {
    const std::string_view why = failure;
    if (why == AppDurableFile::notRegularFile)
        //: Why a replay could not be saved: the name is a folder, a device or the like.
        return QCoreApplication::translate("TScoresDialog", "not a regular file");
    if (why == AppDurableFile::readOnly)
        //: Why a replay could not be saved: the file there may not be written.
        return QCoreApplication::translate("TScoresDialog", "read-only");
    const std::string link = std::string(AppDurableFile::linkToNothing) + " (";
    if (why.starts_with(link) && why.ends_with(')'))
        //: Why a replay could not be saved: the name is a link to a missing file; %1 is the
        //: system's message.
        return QCoreApplication::translate("TScoresDialog", "a link to nothing (%1)")
            .arg(QString::fromLocal8Bit(why.substr(link.size(), why.size() - link.size() - 1)));
    return QString::fromLocal8Bit(failure.c_str());
}

} // namespace

TScoresDialog::TScoresDialog(AppScoreBook book, AppReplayShelf shelf, const AppPlayOptions& current,
                             Write write, QWidget* parent)
    : QDialog(parent), write_(std::move(write)), shelf_(std::move(shelf)), book_(std::move(book)) {
    CreateControls();
    ListTables(current);
    ShowTable();
}

void TScoresDialog::CreateControls() {
    setObjectName(QStringLiteral("ScoresDialog"));
    setWindowTitle(tr("Scores"));

    TableBox = new QComboBox(this);
    TableBox->setObjectName(QStringLiteral("TableBox"));
    auto* tableLabel = new QLabel(tr("&Table:"), this);
    TableBox->setAccessibleName(Spoken(tableLabel->text()));
    tableLabel->setBuddy(TableBox);
    connect(TableBox, &QComboBox::currentIndexChanged, this, &TScoresDialog::ShowTable);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    //: Heard only through a screen reader: the name of the Top Ten and History tabs together.
    PageControl->setAccessibleName(tr("Pages"));
    PageControl->addTab(CreateTopTenPage(), tr("Top Te&n"));
    TopTenList->setAccessibleName(Spoken(PageControl->tabText(pageTopTen)));
    PageControl->addTab(CreateHistoryPage(), tr("&History"));
    BoardPage = new TBoardDayPage;
    //: The page of the day's best on the board the day's games are sent to.
    PageControl->addTab(BoardPage, tr("B&oard"));
    connect(BoardPage, &TBoardDayPage::ChosenLineChanged, this, &TScoresDialog::UpdateWatch);
    connect(BoardPage, &TBoardDayPage::WatchReady, this, [this](const QString& replay) {
        watchText_ = replay.toStdString();
        accept();
    });
    SetBoard(QString());

    ClearButton = new QPushButton(tr("&Clear..."), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    //: Heard only through a screen reader: what the Clear button does.
    ClearButton->setAccessibleName(tr("Clear the table and its history"));
    ClearButton->setAutoDefault(false);
    connect(ClearButton, &QPushButton::clicked, this, &TScoresDialog::ClearClick);
    //: Plays the chosen game back in the main window: the selected entry, or on the History
    //: page the table's last game.
    WatchButton = new QPushButton(tr("&Watch"), this);
    WatchButton->setObjectName(QStringLiteral("WatchButton"));
    WatchButton->setAutoDefault(false);
    connect(WatchButton, &QPushButton::clicked, this, &TScoresDialog::WatchClick);
    //: Writes the chosen game's replay to a file, to pass on or to check with --verify.
    SaveButton = new QPushButton(tr("&Save Replay…"), this);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    SaveButton->setAutoDefault(false);
    connect(SaveButton, &QPushButton::clicked, this, &TScoresDialog::SaveClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TScoresDialog::UpdateWatch);
    connect(TopTenList, &QTableWidget::itemSelectionChanged, this, &TScoresDialog::UpdateWatch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* closeButton = buttons->button(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("CloseButton"));
    // Named here rather than by Qt, which has no text for it in some of our languages.
    //: Closes the Scores dialog. No access key: Escape closes it, and C belongs to Clear.
    closeButton->setText(tr("Close"));
    closeButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(tableLabel);
    tableRow->addWidget(TableBox, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(ClearButton);
    buttonRow->addWidget(WatchButton);
    buttonRow->addWidget(SaveButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tableRow);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QWidget* TScoresDialog::CreateTopTenPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TopTenPage"));
    TopTenList = new QTableWidget(int(AppScoreBook::tableSize), columnCount, page);
    TopTenList->setObjectName(QStringLiteral("TopTenList"));
    TopTenList->setHorizontalHeaderLabels(
        {tr("Rank"), tr("Name"),
         //: The column of the points each game scored.
         tr("Score"), tr("Phase"),
         //: The column of each game's time in play, without pauses, shown as h:mm:ss.
         tr("Length"),
         //: The column of the date and the time each game ended.
         tr("Date"),
         //: The column of the number that dealt each game (Game > New Numbered Game).
         tr("Number")});
    TopTenList->verticalHeader()->hide();
    TopTenList->setSelectionBehavior(QAbstractItemView::SelectRows);
    TopTenList->setSelectionMode(QAbstractItemView::SingleSelection);
    TopTenList->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    TopTenList->setTabKeyNavigation(false);
    QHeaderView* header = TopTenList->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(colName, QHeaderView::Stretch);
    TopTenList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TopTenList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(TopTenList, &QTableWidget::itemChanged, this, &TScoresDialog::NameChanged);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(TopTenList);
    return page;
}

QWidget* TScoresDialog::CreateHistoryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("HistoryPage"));
    auto* form = new QFormLayout;
    const auto addValue = [page, form](const QString& caption, const QString& name) {
        auto* value = new QLabel(page);
        value->setObjectName(name);
        value->setAccessibleName(Spoken(caption));
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        form->addRow(caption, value);
        return value;
    };
    GamesValue = addValue(tr("Games played:"), QStringLiteral("GamesValue"));
    TimeValue = addValue(tr("Time played:"), QStringLiteral("TimeValue"));
    AverageValue = addValue(tr("Average score:"), QStringLiteral("AverageValue"));
    BestScoreValue = addValue(tr("Best score:"), QStringLiteral("BestScoreValue"));
    BestPhaseValue = addValue(tr("Best phase:"), QStringLiteral("BestPhaseValue"));
    //: The number of the table's last game, which Watch plays on this page.
    LastGameValue = addValue(tr("Last game:"), QStringLiteral("LastGameValue"));
    //: The player's best score on each of the last days' games (Game > Today's Game).
    DayGamesValue = addValue(tr("Today's games:"), QStringLiteral("DayGamesValue"));
    Chart = new TScoreChart(page);
    auto* chartLabel = new QLabel(tr("Scores of the last 100 games:"), page);
    Chart->setAccessibleName(Spoken(chartLabel->text()));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(chartLabel);
    layout->addWidget(Chart, 1);
    return page;
}

QString TScoresDialog::TableName(const AppPlayOptions& rules) {
    if (const int preset = FindPreset(rules); preset != 0)
        return QCoreApplication::translate("AppPlayPresets", AppPlayPresetNames(preset).data());
    //: The name of a table of scores for options that match no preset: field width and height,
    //: the paddles of the first phase, added per phase and at most, the speed, and the
    //: sweepers. Shown in the table list and quoted in the Clear confirmation.
    return tr("Custom: %1×%2, paddles %3/%4/%5, speed %6, %7")
        .arg(rules.Width)
        .arg(rules.Height)
        .arg(rules.PaddleFirst)
        .arg(rules.PaddlePlus)
        .arg(rules.PaddleMax)
        .arg(rules.Speed)
        .arg(rules.UseSweeper ? //: The last item of a Custom table's name: played with sweepers.
                 tr("sweepers")
                              : //: The last item of a Custom table's name: no sweepers are used.
                 tr("no sweepers"));
}

void TScoresDialog::ListTables(const AppPlayOptions& current) {
    // The presets always, then every other set of rules that has games, and
    // the current one.
    for (int i = 1; i < appPlayPresetCount; ++i)
        tables_.push_back(AppPlayPresets(i));
    std::vector<AppPlayOptions> others = book_.Tables();
    others.push_back(current);
    for (const AppPlayOptions& rules : others)
        if (std::find(tables_.begin(), tables_.end(), rules) == tables_.end())
            tables_.push_back(rules);
    const QSignalBlocker blocker(TableBox);
    for (const AppPlayOptions& rules : tables_)
        TableBox->addItem(TableName(rules));
    TableBox->setCurrentIndex(
        int(std::find(tables_.begin(), tables_.end(), current) - tables_.begin()));
}

const AppPlayOptions& TScoresDialog::ShownRules() const {
    return tables_.at(std::size_t(TableBox->currentIndex()));
}

void TScoresDialog::ShowTable() {
    FillTopTen();
    FillHistory();
}

void TScoresDialog::FillTopTen() {
    const QSignalBlocker blocker(TopTenList);
    TopTenList->clearContents();
    const std::vector<AppScoreGame> games = book_.TopTen(ShownRules());
    const QLocale locale;
    newRow_ = -1;
    for (int row = 0; row < int(games.size()); ++row) {
        const AppScoreGame& game = games[std::size_t(row)];
        const QDateTime end = QDateTime::fromSecsSinceEpoch(game.endTime).toLocalTime();
        const Qt::Alignment right = Qt::AlignRight;
        TopTenList->setItem(row, colRank, Cell(locale.toString(row + 1), right));
        TopTenList->setItem(row, colName, Cell(QString::fromStdString(game.name), Qt::AlignLeft));
        TopTenList->setItem(row, colScore, Cell(locale.toString(game.score), right));
        TopTenList->setItem(row, colPhase, Cell(locale.toString(game.phase), right));
        TopTenList->setItem(row, colLength, Cell(Duration(game.lengthSeconds), right));
        TopTenList->setItem(row, colDate,
                            Cell(locale.toString(end, QLocale::ShortFormat), Qt::AlignLeft));
        TopTenList->setItem(row, colNumber, Cell(NumberText(game) + DayMark(game), right));
        if (newGame_ && game == *newGame_) {
            newRow_ = row;
            TopTenList->item(row, colName)
                ->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        }
    }
    // Wide and high enough for every column and all ten rows, whatever the font;
    // the name's column takes the room left, and has room for a full name.
    const QAbstractItemView* view = TopTenList;
    const QHeaderView* header = TopTenList->horizontalHeader();
    const auto columnWidth = [&](int column) {
        return std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    };
    int width = 2 * TopTenList->frameWidth() +
                std::max(columnWidth(colName), fontMetrics().averageCharWidth() * nameColumnChars);
    for (int column = 0; column < columnCount; ++column)
        if (column != colName)
            width += columnWidth(column);
    // The header has its height only once shown: until then its hint stands for it.
    const int headerHeight = std::max(header->height(), header->sizeHint().height());
    TopTenList->setMinimumSize(width, 2 * TopTenList->frameWidth() + headerHeight +
                                          TopTenList->verticalHeader()->length());
}

void TScoresDialog::FillHistory() {
    const AppScoreHistory history = book_.History(ShownRules());
    const QLocale locale;
    GamesValue->setText(locale.toString(qulonglong(history.games)));
    TimeValue->setText(Duration(history.totalSeconds));
    AverageValue->setText(locale.toString(history.averageScore, 'f', 1));
    BestScoreValue->setText(locale.toString(history.bestScore));
    BestPhaseValue->setText(locale.toString(history.bestPhase));
    Chart->SetScores(history.recentScores, history.tenthScore);
    LastGameValue->setText(history.lastGame ? NumberText(*history.lastGame) : QString());
    const QString days = DayResults(book_.Games(ShownRules()));
    //: On the History page where no day's game (Game > Today's Game) was played yet.
    DayGamesValue->setText(days.isEmpty() ? tr("none yet") : days);
    UpdateWatch();
}

std::optional<AppScoreGame> TScoresDialog::WatchedGame() const {
    if (PageControl->currentIndex() == pageHistory)
        return book_.History(ShownRules()).lastGame;
    const std::vector<AppScoreGame> games = book_.TopTen(ShownRules());
    const QList<QTableWidgetItem*> selected = TopTenList->selectedItems();
    if (selected.isEmpty() || selected.front()->row() >= int(games.size()))
        return std::nullopt;
    return games[std::size_t(selected.front()->row())];
}

void TScoresDialog::SetBoard(const QString& address) {
    std::vector<AppBoardAnswer> own;
    for (const AppScoreGame& game : book_.Games(AppGameNumber::DayOptions()))
        if (game.board)
            own.push_back(*game.board);
    BoardPage->SetBoard(address, std::move(own));
}

void TScoresDialog::UpdateWatch() {
    if (PageControl->currentIndex() == pageBoard) {
        WatchButton->setEnabled(BoardPage->HasChosenLine());
        SaveButton->setEnabled(false);
        return;
    }
    const std::optional<AppScoreGame> game = WatchedGame();
    const bool kept = game && shelf_.Get(*game).has_value();
    WatchButton->setEnabled(kept);
    SaveButton->setEnabled(kept);
}

void TScoresDialog::WatchClick() {
    if (PageControl->currentIndex() == pageBoard)
        return BoardPage->WatchChosen();
    const std::optional<AppScoreGame> game = WatchedGame();
    const std::optional<std::string> replay = game ? shelf_.Get(*game) : std::nullopt;
    if (!replay) {
        AppMessageBox::Show(tr("No replay is kept for this game."), tr("Scores"),
                            AppMessageBox::mbIconInformation, this);
        UpdateWatch();
        return;
    }
    watchText_ = *replay;
    accept();
}

void TScoresDialog::SaveClick() {
    const std::optional<AppScoreGame> game = WatchedGame();
    const std::optional<std::string> replay = game ? shelf_.Get(*game) : std::nullopt;
    if (!replay) {
        UpdateWatch();
        return;
    }
    // The documents folder where the desktop has one, else the home folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        this,
        //: The title of the file dialog that saves a replay; the button without "…".
        tr("Save Replay"), QDir(folder).filePath(QString::fromStdString(game->SharedFileName())),
        //: The file type offered when a replay is saved.
        tr("Replays (*.zingaroo)"));
    if (path.isEmpty())
        return;
    AppDurableFile file(QFile::encodeName(path).toStdString());
    if (!file.Replace(*replay))
        //: %1 is the file's name, %2 why it could not be written.
        AppMessageBox::Show(tr("The replay could not be saved to \"%1\": %2.")
                                .arg(path, SaveFailure(file.Failure())),
                            tr("Scores"), AppMessageBox::mbIconWarning, this);
}

void TScoresDialog::EditName(const AppScoreGame& game) {
    newGame_ = game;
    const auto table = std::find(tables_.begin(), tables_.end(), game.rules);
    if (table == tables_.end())
        return;
    PageControl->setCurrentIndex(pageTopTen);
    const QSignalBlocker blocker(TableBox);
    TableBox->setCurrentIndex(int(table - tables_.begin()));
    ShowTable();
    if (isVisible())
        OpenNameEditor();
}

void TScoresDialog::OpenNameEditor() {
    if (newRow_ < 0)
        return;
    TopTenList->setFocus();
    TopTenList->selectRow(newRow_);
    TopTenList->setCurrentCell(newRow_, colName);
    TopTenList->editItem(TopTenList->item(newRow_, colName));
    if (auto* editor = qobject_cast<QLineEdit*>(NameEditor())) {
        editor->setMaxLength(maxNameLength);
        editor->selectAll();
    }
}

QWidget* TScoresDialog::NameEditor() const {
    return newRow_ < 0 ? nullptr
                       : TopTenList->indexWidget(TopTenList->model()->index(newRow_, colName));
}

void TScoresDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!NameEditor())
        OpenNameEditor();
    if (TopTenList->selectedItems().isEmpty())
        SelectLastGame();
}

void TScoresDialog::SelectLastGame() {
    const std::vector<AppScoreGame> games = book_.TopTen(ShownRules());
    if (games.empty())
        return;
    const std::optional<AppScoreGame> last = book_.History(ShownRules()).lastGame;
    const auto found = last ? std::find(games.begin(), games.end(), *last) : games.end();
    TopTenList->selectRow(found == games.end() ? 0 : int(found - games.begin()));
}

void TScoresDialog::PlaceBeside(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    adjustSize();
    // The dialog's frame is taken to be as wide as the window's: it is not known before it
    // shows.
    const QRect main = window.frameGeometry();
    const QSize frame = size() + main.size() - window.size();
    const QRect room = screen->availableGeometry();
    // Unlike std::clamp, it takes the low bound where a box larger than the screen makes the
    // bounds cross.
    const auto within = [](int value, int low, int high) {
        return std::max(low, std::min(value, high));
    };
    const int rightRoom = room.right() - main.right();
    const int leftRoom = main.left() - room.left();
    const int highestTop = room.bottom() + 1 - frame.height();
    const int farthestLeft = room.right() + 1 - frame.width();
    if (std::max(rightRoom, leftRoom) >= frame.width()) {
        const bool right = rightRoom >= frame.width() && rightRoom >= leftRoom;
        move(right ? main.right() + 1 : main.left() - frame.width(),
             within(main.top(), room.top(), highestTop));
    } else if (room.bottom() - main.bottom() >= frame.height()) {
        move(within(main.left(), room.left(), farthestLeft), main.bottom() + 1);
    } else {
        // Over the window's middle, its title bar and the buttons on it left in sight.
        const QRect client = window.geometry();
        const int left = client.center().x() + 1 - frame.width() / 2;
        const int top = client.center().y() + 1 - frame.height() / 2;
        move(within(left, room.left(), farthestLeft),
             std::max(client.top(), within(top, room.top(), highestTop)));
    }
}

void TScoresDialog::NameChanged(QTableWidgetItem* item) {
    if (!newGame_ || item->row() != newRow_ || item->column() != colName)
        return;
    const std::string name =
        AppScoreGame::CleanName(item->text().left(maxNameLength).toStdString());
    // An emptied name keeps the one the game has.
    if (name.empty() || name == newGame_->name) {
        const QSignalBlocker blocker(TopTenList);
        item->setText(QString::fromStdString(newGame_->name));
        return;
    }
    const AppScoreGame before = *newGame_;
    newGame_->name = name;
    Change([before, name](AppScoreBook& book) { book.Rename(before, name); });
}

void TScoresDialog::Change(const AppScoreFile::Change& change) {
    change(book_);
    if (write_)
        write_(change);
}

void TScoresDialog::done(int result) {
    // Enter reaches the dialog before the list has taken what was typed: the list takes it
    // from a queued call, delivered here. An editor still open is read and closed by hand.
    QAbstractItemDelegate* delegate = TopTenList->itemDelegate();
    QCoreApplication::sendPostedEvents(delegate, QEvent::MetaCall);
    if (QWidget* editor = NameEditor(); editor && editor->isVisible()) {
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    }
    QDialog::done(result);
}

void TScoresDialog::ClearClick() {
    //: %1 is a preset's name or a Custom table's name, which has commas in it.
    const QString text =
        tr("Clearing the table \"%1\" and its history.").arg(TableName(ShownRules())) +
        QStringLiteral("\r\n\r\n") + tr("Sure?");
    if (AppMessageBox::Show(text, tr("Confirmation"),
                            AppMessageBox::mbIconQuestion | AppMessageBox::mbOkCancel,
                            this) != AppMessageBox::idOk)
        return;
    // The keeper prunes the replays of the games cleared once they are gone from the file.
    Change([rules = ShownRules()](AppScoreBook& book) { book.Clear(rules); });
    ShowTable();
}
