// The line under the field: what to do next, or the score of the game shown, in words.
#pragma once

#include <QLabel>
#include <QSize>
#include <QString>
#include <QStringList>

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

    // The text for what the session shows now: `replayMark` names a replay and its speed.
    static QString Text(const AppPlaySession& session, bool keyboardCursor,
                        const QString& replayMark);
    // Shows the text, and tells screen readers, only when it differs from the one shown.
    void Show(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field outlives the line, which takes its width.
    AppScoreLine(QWidget& field, QWidget* parent);

    // Every text the line shows, with numbers as long as play reaches.
    static QStringList LongestTexts();

    QWidget& field_;
};
