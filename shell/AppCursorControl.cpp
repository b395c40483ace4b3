// The cursor cell that the keyboard cursor and the game pads move and act on, framed on the field.
#include "AppCursorControl.h"

#include "AppFieldView.h"
#include "AppGamepad.h"
#include "AppPlaySession.h"

#include <QApplication>

AppCursorControl::AppCursorControl(AppPlaySession& session, AppFieldView& view,
                                   PointerSource pointer, std::function<void()> launch,
                                   QObject* parent)
    : QObject(parent), session_(session), view_(view), pointer_(std::move(pointer)),
      launch_(std::move(launch)) {
    ConnectGamepad();
}

void AppCursorControl::ConnectGamepad() {
    gamepad_ = new AppGamepad(this);
    // While a box, a dialog or a menu is open the pad waits, as the game's keys do.
    const auto free = [] {
        return QApplication::activeModalWidget() == nullptr &&
               QApplication::activePopupWidget() == nullptr;
    };
    connect(gamepad_, &AppGamepad::Moved, this, [this, free](int dx, int dy) {
        if (free())
            Move(dx, dy);
    });
    // South sends its key first: it acts only on a moving ball, and the launch that follows
    // only on the title or a standing ball, so one press never does both.
    connect(gamepad_, &AppGamepad::KeyPressed, this, [this, free](AppKeyPosition position) {
        if (free())
            Key(position);
    });
    connect(gamepad_, &AppGamepad::LaunchPressed, this, [this, free] {
        if (free())
            Launch();
    });
    connect(gamepad_, &AppGamepad::PausePressed, this, [this, free] {
        if (free() && session_.Game().State() == stPlaying)
            session_.SetPaused(!session_.Paused());
    });
    // A pad pulled out mid-game leaves its player without hands: the game waits.
    connect(gamepad_, &AppGamepad::Unplugged, this, [this] { session_.SetPaused(true); });
}

void AppCursorControl::WatchPads() {
    gamepad_->Watch();
}

bool AppCursorControl::KeyboardKey(int qtKey, AppKeyPosition position) {
    switch (qtKey) {
    case Qt::Key_Left:
        Move(-1, 0);
        return true;
    case Qt::Key_Right:
        Move(1, 0);
        return true;
    case Qt::Key_Up:
        Move(0, -1);
        return true;
    case Qt::Key_Down:
        Move(0, 1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Launch();
        return true;
    default:
        break;
    }
    // The letters point with the cursor while it shows, else with the mouse.
    if (position == AppKeyPosition::none || !cursor_.Shown())
        return false;
    Key(position);
    return true;
}

bool AppCursorControl::Acts() const {
    return session_.Moving() && !session_.Replaying();
}

void AppCursorControl::Use() {
    cursor_.Show();
    pointerAtCursor_ = pointer_();
}

void AppCursorControl::Move(int dx, int dy) {
    if (!Acts())
        return;
    Use();
    const AppField& field = session_.Game().Field();
    cursor_.Move(dx, dy, field.Width(), field.Height());
    Show();
}

void AppCursorControl::Key(AppKeyPosition position) {
    if (!Acts() || position == AppKeyPosition::none)
        return;
    Use();
    session_.Key(position, cursor_.Cell());
    Show();
}

void AppCursorControl::Launch() {
    Use();
    launch_();
    Show();
}

void AppCursorControl::PointerMoved(const QPoint& screen) {
    // Qt also tells of an unmoved pointer, when the window shows or the pointer enters it;
    // on a screen scaled by a fraction its place may then be rounded one pixel apart.
    if (!cursor_.Shown() ||
        (pointerAtCursor_ && (screen - *pointerAtCursor_).manhattanLength() <= 1))
        return;
    cursor_.Hide();
    Show();
}

void AppCursorControl::StartAtBall() {
    const AppGame& game = session_.Game();
    cursor_.StartAt({game.ball.x, game.ball.y});
    Show();
}

QRect AppCursorControl::CellRect() const {
    const AppViewOptions& view = session_.Game().ViewOptions();
    const AppPoint cell = cursor_.Cell();
    return {cell.x * view.CharWidth, cell.y * view.CharHeight, view.CharWidth, view.CharHeight};
}

void AppCursorControl::Show() {
    view_.SetFrame(cursor_.Shown() && Acts() ? CellRect() : QRect());
}
