// The cursor cell that the keyboard cursor and the game pads move and act on, framed on the field.
#pragma once

#include "AppCellCursor.h"
#include "AppKeyPosition.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class AppFieldView;
class AppGamepad;
class AppPlaySession;

// The cursor starts at the ball's cell when a game is dealt or resumed, and acts only on a game
// in play, neither paused nor replayed. Each input of its own shows it; moving the mouse over
// the field hides it, and the pointer rules again.
class AppCursorControl : public QObject {
    Q_OBJECT

public:
    using PointerSource = std::function<std::optional<QPoint>()>;

    // The session and the view outlive the control; `launch` does a left click's work.
    AppCursorControl(AppPlaySession& session, AppFieldView& view, PointerSource pointer,
                     std::function<void()> launch, QObject* parent);

    const AppCellCursor& Cursor() const { return cursor_; }
    AppGamepad& Gamepad() const { return *gamepad_; }
    // The pads are looked for from now on.
    void WatchPads();

    // Moves the cursor by (dx, dy) cells, wrapping with the field.
    void Move(int dx, int dy);
    // A key of this position acting on the cursor cell, as it acts on the cell under the
    // pointer.
    void Key(AppKeyPosition position);
    // A left click's work: starts a game on the title, launches the standing ball, goes on
    // from a pause.
    void Launch();
    // With the keyboard cursor on: the arrows, Space and Enter, and the game's keys while the
    // cursor is shown; false for a key that keeps its usual meaning.
    bool KeyboardKey(int qtKey, AppKeyPosition position);
    void PointerMoved(const QPoint& screen);
    // The cursor on the ball of a game dealt or resumed.
    void StartAtBall();
    // The frame over the cursor cell, while the cursor is shown and acts.
    void Show();

private:
    bool Acts() const;
    // A cursor input was used: the cursor shows until the pointer leaves where it rests now.
    void Use();
    // The cursor cell in the picture.
    QRect CellRect() const;
    // The pad's buttons and moves reach the game as the pointer's and the keys' do.
    void ConnectGamepad();

    AppPlaySession& session_;
    AppFieldView& view_;
    PointerSource pointer_;
    std::function<void()> launch_;
    AppCellCursor cursor_;
    // Where the pointer rested when a cursor input was last used.
    std::optional<QPoint> pointerAtCursor_;
    AppGamepad* gamepad_ = nullptr;
};
