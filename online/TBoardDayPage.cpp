// The Scores dialog's Board page: a day's best on the board, the player's own lines marked.
#include "TBoardDayPage.h"

#include "AppBoardTexts.h"
#include "AppReplayCheck.h"

#include <QDateEdit>
#include <QDateTime>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment, bool own) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    if (own) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

// A replay is far smaller than this; the board itself takes no more than 64 KiB.
constexpr qint64 replayCap = 256 * 1024;

} // namespace

TBoardDayPage::TBoardDayPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BoardPage"));
    network_ = new QNetworkAccessManager(this);

    DayEdit = new QDateEdit(QDateTime::currentDateTimeUtc().date(), this);
    DayEdit->setObjectName(QStringLiteral("DayEdit"));
    DayEdit->setCalendarPopup(true);
    DayEdit->setMaximumDate(QDateTime::currentDateTimeUtc().date());
    //: Picks the day whose board is shown: today's, or an earlier one.
    auto* dayLabel = new QLabel(tr("&Day:"), this);
    dayLabel->setBuddy(DayEdit);
    connect(DayEdit, &QDateEdit::dateChanged, this, &TBoardDayPage::Fetch);
    OwnRankLabel = new QLabel(this);
    OwnRankLabel->setObjectName(QStringLiteral("OwnRankLabel"));

    BoardList = new QTableWidget(0, 4, this);
    BoardList->setObjectName(QStringLiteral("BoardList"));
    BoardList->setHorizontalHeaderLabels({tr("Rank"), tr("Name"), tr("Score"), tr("Phase")});
    BoardList->verticalHeader()->hide();
    BoardList->setSelectionBehavior(QAbstractItemView::SelectRows);
    BoardList->setSelectionMode(QAbstractItemView::SingleSelection);
    BoardList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BoardList->setTabKeyNavigation(false);
    BoardList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(BoardList, &QTableWidget::itemSelectionChanged, this,
            &TBoardDayPage::ChosenLineChanged);

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    StatusLabel->setTextFormat(Qt::PlainText);
    //: Fetches the day's board again after it could not be fetched.
    RetryButton = new QPushButton(tr("&Retry"), this);
    RetryButton->setObjectName(QStringLiteral("RetryButton"));
    RetryButton->setAutoDefault(false);
    RetryButton->hide();
    connect(RetryButton, &QPushButton::clicked, this, &TBoardDayPage::Fetch);
    //: Opens the board's web page of the chosen day in the desktop's web browser.
    BrowserButton = new QPushButton(tr("Open in &Browser"), this);
    BrowserButton->setObjectName(QStringLiteral("BrowserButton"));
    BrowserButton->setAutoDefault(false);
    connect(BrowserButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(DayPage()); });

    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(dayLabel);
    dayRow->addWidget(DayEdit);
    dayRow->addWidget(OwnRankLabel, 1);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(StatusLabel, 1);
    statusRow->addWidget(RetryButton);
    statusRow->addWidget(BrowserButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dayRow);
    layout->addWidget(BoardList, 1);
    layout->addLayout(statusRow);
    SetBoard(QString(), {});
}

void TBoardDayPage::SetBoard(const QString& address, std::vector<AppBoardAnswer> own) {
    address_ = address;
    own_ = std::move(own);
    fetched_ = false;
    BrowserButton->setEnabled(!address_.isEmpty());
    DayEdit->setEnabled(!address_.isEmpty());
    if (address_.isEmpty())
        //: On the Scores dialog's Board page when no board is set in the options.
        Say(tr("No board is set: its address goes on the Board page of the options."), false);
    ShowOwnRank();
}

QUrl TBoardDayPage::DayPage() const {
    return QUrl(address_ + QStringLiteral("/days/") + DayEdit->date().toString(Qt::ISODate));
}

void TBoardDayPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fetched_)
        Fetch();
}

void TBoardDayPage::Fetch() {
    ShowOwnRank();
    if (address_.isEmpty())
        return;
    fetched_ = true;
    const int fetch = ++fetches_;
    QUrl url(address_ + QStringLiteral("/api/v1/days/") + DayEdit->date().toString(Qt::ISODate));
    url.setQuery(QUrlQuery({{QStringLiteral("limit"), QString::number(shownLines)}}));
    //: While the day's board is being fetched.
    Say(tr("Fetching the board…"), false);
    AppBoardCall::Get(*network_, url, limits_, this, [this, fetch](const AppBoardResult& result) {
        if (fetch != fetches_)
            return;
        if (!result.problem.isEmpty())
            return Say(result.problem, true);
        if (result.status != 200)
            return Say(AppBoardReplies::Reason(result.body, result.status), true);
        const std::optional<std::vector<AppBoardDayLine>> lines = AppBoardReplies::Day(result.body);
        if (!lines)
            //: The board answered with something that is not a day's board.
            return Say(tr("the board's answer cannot be read"), true);
        Say(lines->empty() ? tr("No games on the board for this day yet.") : QString(), false);
        Show(*lines);
    });
}

void TBoardDayPage::Show(const std::vector<AppBoardDayLine>& lines) {
    lines_.assign(lines.begin(),
                  lines.begin() + std::min<std::ptrdiff_t>(shownLines, std::ssize(lines)));
    const QLocale locale;
    BoardList->clearContents();
    BoardList->setRowCount(int(lines_.size()));
    for (int row = 0; row < int(lines_.size()); ++row) {
        const AppBoardDayLine& line = lines_[std::size_t(row)];
        const bool own = std::any_of(own_.begin(), own_.end(), [&](const AppBoardAnswer& answer) {
            return QString::fromStdString(answer.id) == line.id;
        });
        BoardList->setItem(row, 0, Cell(locale.toString(line.rank), Qt::AlignRight, own));
        BoardList->setItem(row, 1, Cell(line.name, Qt::AlignLeft, own));
        BoardList->setItem(row, 2, Cell(locale.toString(line.score), Qt::AlignRight, own));
        BoardList->setItem(row, 3, Cell(locale.toString(line.phase), Qt::AlignRight, own));
        if (own)
            //: Heard through a screen reader and shown on hover: a line of the player's own.
            BoardList->item(row, 1)->setToolTip(tr("Your game"));
    }
    emit ChosenLineChanged();
}

void TBoardDayPage::ShowOwnRank() {
    const std::string day = DayEdit->date().toString(Qt::ISODate).toStdString();
    const AppBoardAnswer* best = nullptr;
    for (const AppBoardAnswer& answer : own_)
        if (answer.kind == AppBoardAnswer::Kind::sent && answer.day == day &&
            (!best || answer.rank < best->rank))
            best = &answer;
    OwnRankLabel->setText(best ? AppBoardTexts::Sent(best->rank, best->of) : QString());
}

void TBoardDayPage::Say(const QString& line, bool retry) {
    StatusLabel->setText(line);
    RetryButton->setVisible(retry);
}

bool TBoardDayPage::HasChosenLine() const {
    const QList<QTableWidgetItem*> selected = BoardList->selectedItems();
    return !selected.isEmpty() && selected.front()->row() < int(lines_.size());
}

void TBoardDayPage::WatchChosen() {
    if (!HasChosenLine())
        return;
    const AppBoardDayLine& line = lines_[std::size_t(BoardList->selectedItems().front()->row())];
    const QUrl url(address_ + QStringLiteral("/api/v1/games/") + line.id +
                   QStringLiteral(".zingaroo"));
    //: While a board game's replay is being fetched for Watch.
    Say(tr("Fetching the replay…"), false);
    const int fetch = ++fetches_;
    AppBoardCall::Get(*network_, url, {replayCap, limits_.deadlineMs}, this,
                      [this, fetch](const AppBoardResult& result) {
                          if (fetch != fetches_)
                              return;
                          if (!result.problem.isEmpty())
                              return Say(result.problem, false);
                          if (result.status != 200)
                              return Say(AppBoardReplies::Reason(result.body, result.status),
                                         false);
                          const AppReplayVerdict verdict =
                              AppReplayCheck::Check("board", result.body.toStdString());
                          if (!verdict.ok)
                              //: The replay fetched from the board failed the program's own
                              //: check. %1 is the check's line, in English.
                              return Say(tr("The board's replay does not verify: %1")
                                             .arg(QString::fromStdString(verdict.line)),
                                         false);
                          Say(QString(), false);
                          emit WatchReady(QString::fromUtf8(result.body));
                      });
}
