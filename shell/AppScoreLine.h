// The line under the field: what to do next, or the score of the game shown, in words.
#pragma once

#include <QLabel>
#include <QSize>
#include <QString>
#include <QStringList>

class QTimer;

class AppPlaySession;

// A label in the dialogs' font under the field, as wide as the field and never wider. It keeps
// one height at a width, the tallest any of its texts needs wrapped there, so the window does not
// grow and shrink as the game goes on; screen readers read its text as its name.
class AppScoreLine : public QLabel {
    Q_OBJECT

public:
    // A column of the field and a line under it, in the field's parent; the field's pixel
    // (0, 0) stays the column's. The column is the line's parent.
    static AppScoreLine* PutUnder(QWidget& field);

    // What the window knows beside the session that the line's text depends on.
    struct Context {
        bool keyboardCursor = false;
        // Names a replay and its speed, during one.
        QString replayMark;
        // The keys of set 1's slash and backslash places, as the player's layout labels them.
        QString slashKey;
        QString backslashKey;
        // No point was ever scored in this player's games: the first phase names the keys.
        bool newPlayer = false;
        // The game in play was resumed from the last end and has not gone on yet.
        bool resumed = false;
    };

    // The text for what the session shows now.
    static QString Text(const AppPlaySession& session, const Context& context);
    // Shows the text, and tells screen readers, only when it differs from the one shown.
    void Show(const QString& text);
    // Shows a passing word after a command ("Copied") beside the text for a few seconds.
    void Note(const QString& word);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The line keeps the height of its longest text whatever it shows now, so a layout that
    // hands out spare height never lets the field's area grow or shrink as the text changes.
    bool hasHeightForWidth() const override { return false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field outlives the line, which takes its width.
    AppScoreLine(QWidget& field, QWidget* parent);

    // Every text the line shows, with numbers and key labels as long as play reaches.
    static QStringList LongestTexts();

    // The text and the word beside it, as one.
    void ShowBoth();

    QWidget& field_;
    QString text_;
    QString note_;
    QTimer* noteTimer_ = nullptr;
};
