// The line under the field: what to do next, or the score of the game shown, in words.
#include "AppScoreLine.h"

#include "AppGameNumber.h"
#include "AppPlaySession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace {

// Around the text, in pixels.
constexpr int lineMargin = 2;
// How long a passing word stays: long enough to read, short enough not to linger.
constexpr int noteMs = 3000;

// " · Today" after the play text of the day's game, as the Scores table marks it.
QString DayMark(const AppPlaySession& session) {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    if (!AppGameNumber::DayOf(session.Number(), session.NumberOptions(), now))
        return {};
    //: After the line under the field during the day's game (Game › Today's Game), as the
    //: Scores table marks it.
    return QStringLiteral(" · ") + AppScoreLine::tr("Today");
}

QString PlayText(std::int32_t score, std::int32_t phase, std::int32_t record,
                 std::uint32_t number) {
    //: The line under the field during a game: its score, its phase, the player's record
    //: score and the game's number (the number New Numbered Game deals it again with).
    return AppScoreLine::tr("Score %1 · Phase %2 · Record %3 · Game %4")
        .arg(score)
        .arg(phase)
        .arg(record)
        .arg(number);
}

QString GameOverText(std::int32_t score, std::int32_t phase) {
    //: The line under the field after game over: the final score and phase, and the key of
    //: Game › New.
    return AppScoreLine::tr("Game over: score %1, phase %2. F2 for a new game")
        .arg(score)
        .arg(phase);
}

QString ReplayText(const QString& mark) {
    //: The line under the field during a replay; %1 is "Replay ×N". The keys 1, 2 and 4 set
    //: its speed, P pauses it and Esc leaves it.
    return AppScoreLine::tr("%1 · 1 2 4: speed · P: pause · Esc: leave").arg(mark);
}

QString PausedText() {
    return AppScoreLine::tr("Paused: press P to go on");
}

QString ResumedText() {
    //: The line under the field when the game left at the last exit is back, paused.
    return AppScoreLine::tr("Last game resumed: press P to go on");
}

QString TitleText(bool keyboardCursor) {
    return keyboardCursor ? AppScoreLine::tr("Click the field or press Space to start")
                          : AppScoreLine::tr("Click the field to start");
}

QString LaunchText(const QString& slashKey, const QString& backslashKey) {
    //: The line under the field while the ball waits. %1 and %2 are the keys that drop a
    //: slash and a backslash paddle, as the player's keyboard labels them (W and R on a US
    //: keyboard, Z and R on a French one).
    return AppScoreLine::tr("Click to launch, then point at a cell and press %1 or %2 to drop a "
                            "paddle")
        .arg(slashKey, backslashKey);
}

QString FirstPhaseText(const QString& slashKey, const QString& backslashKey) {
    //: The line under the field in the first phase until the player's first point ever; %1
    //: and %2 as in "Click to launch, then…". The ball scores by turning on a fresh paddle.
    return AppScoreLine::tr("Point and press %1 ( / ) or %2 ( \\ ): the ball turns on a fresh "
                            "paddle")
        .arg(slashKey, backslashKey);
}

// Two texts side by side, as the line's parts are joined.
QString Beside(const QString& first, const QString& second) {
    return second.isEmpty() ? first : first + QStringLiteral(" · ") + second;
}

} // namespace

AppScoreLine* AppScoreLine::PutUnder(QWidget& field) {
    auto* column = new QWidget(field.parentWidget());
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* line = new AppScoreLine(field, column);
    layout->addWidget(&field);
    layout->addWidget(line);
    return line;
}

AppScoreLine::AppScoreLine(QWidget& field, QWidget* parent) : QLabel(parent), field_(field) {
    setObjectName(QStringLiteral("ScoreLine"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(lineMargin);
    // The field's width is the line's: the text wraps within it and never widens the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    field_.installEventFilter(this);
    noteTimer_ = new QTimer(this);
    noteTimer_->setSingleShot(true);
    noteTimer_->setInterval(noteMs);
    connect(noteTimer_, &QTimer::timeout, this, [this] {
        note_.clear();
        ShowBoth();
    });
}

QString AppScoreLine::Text(const AppPlaySession& session, const Context& context) {
    const AppGame& game = session.Game();
    if (session.Replaying())
        return session.Paused() ? PausedText() : ReplayText(context.replayMark);
    switch (game.State()) {
    case stPlaying: {
        const QString play =
            PlayText(game.Score(), game.Phase(), game.RecordScore(), session.Number()) +
            DayMark(session);
        if (session.Paused())
            return Beside(play, context.resumed ? ResumedText() : PausedText());
        if (game.ball.IsStanding())
            return LaunchText(context.slashKey, context.backslashKey) + DayMark(session);
        // Until a player's first point, the first phase names the keys that score.
        if (context.newPlayer && game.Phase() == 1)
            return FirstPhaseText(context.slashKey, context.backslashKey) + DayMark(session);
        return play;
    }
    case stGameOver:
        return GameOverText(game.Score(), game.Phase());
    default:
        return TitleText(context.keyboardCursor);
    }
}

void AppScoreLine::Show(const QString& text) {
    text_ = text;
    ShowBoth();
}

void AppScoreLine::Note(const QString& word) {
    note_ = word;
    noteTimer_->start();
    ShowBoth();
}

void AppScoreLine::ShowBoth() {
    const QString both = Beside(text_, note_);
    if (both == text())
        return;
    setText(both);
    setAccessibleName(both);
}

QStringList AppScoreLine::LongestTexts() {
    // Key labels are mostly one character; two wide ones leave room for the rest.
    const QString key = QStringLiteral("MM");
    const QString play = PlayText(99999, 999, 99999, AppGameNumber::high);
    return {TitleText(false),
            TitleText(true),
            LaunchText(key, key),
            FirstPhaseText(key, key),
            play,
            Beside(play, PausedText()),
            Beside(play, ResumedText()),
            GameOverText(99999, 999),
            ReplayText(QCoreApplication::translate("TForm1", "Replay ×%1").arg(4))};
}

QSize AppScoreLine::sizeHint() const {
    const int room = std::max(1, field_.width() - 2 * lineMargin);
    int height = 0;
    for (const QString& text : LongestTexts())
        height = std::max(height, fontMetrics()
                                      .boundingRect(QRect(0, 0, room, 1 << 20),
                                                    Qt::TextWordWrap | Qt::AlignCenter, text)
                                      .height());
    const QMargins around = contentsMargins();
    return {0, height + 2 * lineMargin + around.top() + around.bottom()};
}

bool AppScoreLine::eventFilter(QObject* watched, QEvent* event) {
    // A new zoom or full screen gives the field another width, and the text another wrapping.
    if (watched == &field_ && event->type() == QEvent::Resize)
        updateGeometry();
    return QLabel::eventFilter(watched, event);
}
